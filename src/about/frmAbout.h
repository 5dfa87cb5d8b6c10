#pragma once

#include "kit/Form.h"
#include "ports/Platform.h"

#include <string>

class QLabel;
class QPushButton;

namespace orbelle {

class LinkLabel;

// The About dialog: credits, freeware notice, three links and the system-information
// tool.
class frmAbout final : public Form {
    Q_OBJECT

public:
    explicit frmAbout(const Platform& platform);

    void Form_Load() override;

    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblDescription;
    QLabel* lblDisclaimer;
    QLabel* Label1;
    LinkLabel* lbl_mail;
    QPushButton* cmdOK;
    QLabel* Label2;
    LinkLabel* link1;
    QPushButton* cmdSysInfo;
    QLabel* Label3;
    LinkLabel* link2;

    void cmdOK_Click();
    void cmdSysInfo_Click();
    void lbl_mail_Click();
    void link1_Click();
    void link2_Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void renderLogo();
    void renderLogoForScreen();
    void openLink(const std::string& file);

    Platform m_platform;
    bool m_watchingScreen = false;
};

} // namespace orbelle
