#pragma once

#include "platform/Form.h"
#include "platform/Platform.h"

#include <cstdint>
#include <string>
#include <string_view>

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

    // Starts the system-information tool or says that it is unavailable.
    void StartSysInfo();

    // Reads one registry value through the dialog's registry (see the free GetKeyValue).
    bool GetKeyValue(std::uint32_t root, std::string_view keyPath, std::string_view valueName,
                     std::string& value);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void renderLogo();
    void openLink(const std::string& file);

    Platform m_platform;
};

} // namespace orbelle
