#pragma once

#include "analysis/PairAnalysis.h"
#include "platform/Form.h"
#include "platform/Platform.h"

#include <functional>
#include <string>

class QPushButton;
class QTextEdit;

namespace orbelle {

// The two picker texts of the main window, as the analysis reads them at load.
struct ChosenSigns {
    std::string own;
    std::string partner;
};

// The analysis window: shows the reading of the chosen pair, copies and prints it.
class frm_aus final : public Form {
    Q_OBJECT

public:
    frm_aus(AnalysisFields& fields, const Platform& platform,
            std::function<ChosenSigns()> chosenSigns);

    void Form_Load() override;

    QTextEdit* RichTextBox1;

private:
    AnalysisFields& m_fields;
    Platform m_platform;
    std::function<ChosenSigns()> m_chosenSigns;
};

} // namespace orbelle
