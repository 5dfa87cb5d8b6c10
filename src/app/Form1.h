#pragma once

#include "analysis/ChosenSigns.h"
#include "kit/Form.h"
#include "signs/SignEntry.h"

#include <QPixmap>

#include <string_view>

class QComboBox;
class QLabel;
class QPushButton;

namespace orbelle {

class ClickArea;
class MessageBoxPort;

// The main window: a picture map with the two sign pickers, the heart that starts the
// analysis, the twelve sign figures that open their profiles, and two buttons. It asks
// for the other windows by its signals and knows none of them; Forms answers.
class Form1 final : public Form {
    Q_OBJECT

public:
    // How a sign figure shows its profile: in a window loaded afresh, or in the open one
    // where it stands.
    enum class ProfileWindow { Reopen, KeepInPlace };

    explicit Form1(MessageBoxPort& messageBox);

    void Form_Load() override;

    // The texts of both pickers; empty where nothing is chosen.
    ChosenSigns chosenSigns() const;

    QLabel* Label1;
    QLabel* Ster;
    QComboBox* cbo_astro1;
    QComboBox* cbo_astro2;
    QLabel* Label2;
    ClickArea* Image1;
    QPushButton* Command3;
    QPushButton* Command2;

    void Image1_Click();
    void Command2_Click();
    void Command3_Click();

    void widder_Click();
    void stier_Click();
    void zwilling_Click();
    void krebs_Click();
    void loewe_Click();
    void jungfrau_Click();
    void waage_Click();
    void skorpion_Click();
    void schuetze_Click();
    void steinbock_Click();
    void wassermann_Click();
    void fische_Click();

Q_SIGNALS:
    void analysisRequested();
    void profileRequested(const orbelle::SignEntry& sign, orbelle::Form1::ProfileWindow mode);
    void birthDateRequested();
    void aboutRequested();
    // From Form_Unload, while the main window is still there: the others go first.
    void othersUnloadRequested();

protected:
    void Form_Unload() override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createSignAreas();
    void showProfile(std::string_view pictureControl, ProfileWindow mode);

    MessageBoxPort& m_messageBox;
    QPixmap m_background;
};

} // namespace orbelle
