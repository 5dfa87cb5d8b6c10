#include "app/Forms.h"

#include "kit/QtText.h"
#include "signs/SignCatalogue.h"

#include <QPlainTextEdit>

namespace orbelle {

Forms::Forms(const Platform& platform)
    : mainWindow([this] { return createMainWindow(); })
    , aboutDialog([this] { return std::make_unique<frmAbout>(m_platform); })
    , analysisWindow([this] {
        // The analysis reads the pickers of the main window when it loads.
        return std::make_unique<frm_aus>(analysisFields, m_platform,
                                         [this] { return mainWindow.load().chosenSigns(); });
    })
    , profileWindow([] { return std::make_unique<Form4>(); })
    , birthDateWindow([] { return std::make_unique<Form5>(); })
    , m_platform(platform)
{
}

std::unique_ptr<Form1> Forms::createMainWindow()
{
    auto main = std::make_unique<Form1>(m_platform.messageBox);
    connect(main.get(), &Form1::analysisRequested, &analysisWindow, &FormSlotBase::show);
    connect(main.get(), &Form1::profileRequested, this, &Forms::showProfile);
    connect(main.get(), &Form1::birthDateRequested, &birthDateWindow, &FormSlotBase::show);
    connect(main.get(), &Form1::aboutRequested, &aboutDialog, &FormSlotBase::show);
    connect(main.get(), &Form1::othersUnloadRequested, this, &Forms::unloadOthers);
    return main;
}

void Forms::showProfile(const SignEntry& sign, Form1::ProfileWindow mode)
{
    if (mode == Form1::ProfileWindow::Reopen)
        profileWindow.unload();
    Form4& profile = profileWindow.load();
    profile.Text1->setPlainText(toQString(profileWindowText(sign)));
    profile.setWindowTitle(toQString(sign.displayName));
    profileWindow.show();
}

void Forms::unloadOthers()
{
    birthDateWindow.unload();
    profileWindow.unload();
    analysisWindow.unload();
    aboutDialog.unload();
}

} // namespace orbelle
