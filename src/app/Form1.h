#pragma once

#include "platform/Form.h"

#include <QPixmap>

#include <string_view>

class QComboBox;
class QLabel;
class QPushButton;

namespace orbelle {

class ClickArea;
class Forms;
class MessageBoxPort;

// The main window: a picture map with the two sign pickers, the heart that starts the
// analysis, the twelve sign figures that open their profiles, and two buttons.
class Form1 final : public Form {
    Q_OBJECT

public:
    Form1(Forms& forms, MessageBoxPort& messageBox);

    void Form_Load() override;

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

protected:
    void Form_Unload() override;
    void paintEvent(QPaintEvent* event) override;

private:
    enum class ProfileWindow { Reopen, KeepInPlace };

    void createSignAreas();
    void showProfile(std::string_view pictureControl, ProfileWindow mode);

    Forms& m_forms;
    MessageBoxPort& m_messageBox;
    QPixmap m_background;
};

} // namespace orbelle
