#include "app/Forms.h"

#include "platform/QtText.h"

#include <QComboBox>

namespace orbelle {

Forms::Forms(const Platform& platform)
    : mainWindow([this] { return std::make_unique<Form1>(*this, m_platform.messageBox); })
    , aboutDialog([this] { return std::make_unique<frmAbout>(m_platform); })
    , analysisWindow([this] {
        // The analysis reads the pickers of the main window when it loads.
        auto chosenSigns = [this] {
            Form1& main = mainWindow.load();
            return ChosenSigns{toStdString(main.cbo_astro1->currentText()),
                               toStdString(main.cbo_astro2->currentText())};
        };
        return std::make_unique<frm_aus>(analysisFields, m_platform, chosenSigns);
    })
    , profileWindow([] { return std::make_unique<Form4>(); })
    , birthDateWindow([] { return std::make_unique<Form5>(); })
    , m_platform(platform)
{
}

} // namespace orbelle
