#pragma once

#include "analysis/ChosenSigns.h"
#include "analysis/PairAnalysis.h"
#include "kit/Form.h"
#include "ports/Platform.h"

#include <functional>
#include <string>

class QPushButton;
class QTextEdit;

namespace orbelle {

// Texts of the analysis window that the program shows as they stand.
inline constexpr std::string_view kCopiedPrompt =
    "Die Astro-Analyse wurde in die Zwischenablage kopiert. Sie können den Text jetzt mit "
    "der Tastenkombination STRG+V in jede beliebige Anwendung einfügen.";
inline constexpr std::string_view kCopiedTitle = "Analyse wurde kopiert";
inline constexpr std::string_view kCopyFailedPrompt =
    "Die Astro-Analyse konnte nicht in die Zwischenablage kopiert werden, weil die "
    "Zwischenablage gerade nicht beschrieben werden kann. Bitte versuchen Sie es noch einmal.";
inline constexpr std::string_view kCopyFailedTitle = "Kopieren fehlgeschlagen";
inline constexpr std::string_view kNoPrinterPrompt =
    "Es ist kein Drucker eingerichtet. Bitte richten Sie einen Standarddrucker ein und "
    "versuchen Sie es dann noch einmal.";
inline constexpr std::string_view kNoPrinterTitle = "Drucken nicht möglich";
inline constexpr std::string_view kPrintFailedPrompt =
    "Der Ausdruck ist fehlgeschlagen. Bitte prüfen Sie den Drucker und versuchen Sie es "
    "noch einmal.";
inline constexpr std::string_view kPrintFailedTitle = "Drucken fehlgeschlagen";
inline constexpr std::string_view kInfoCaption = "Über die Partnerschaftsastrologie";

// The analysis window: shows the reading of the chosen pair, copies and prints it, and
// can show the text about partnership astrology instead.
class frm_aus final : public Form {
    Q_OBJECT

public:
    frm_aus(AnalysisFields& fields, const Platform& platform,
            std::function<ChosenSigns()> chosenSigns);

    void Form_Load() override;

    QTextEdit* RichTextBox1;
    QPushButton* Kopieren;
    QPushButton* Command3;
    QPushButton* Command1a;
    QPushButton* Command2;
    QPushButton* Command1;

    void Kopieren_Click();
    void Command2_Click();
    void Command1a_Click();
    void Command3_Click();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    AnalysisFields& m_fields;
    Platform m_platform;
    std::function<ChosenSigns()> m_chosenSigns;
};

} // namespace orbelle
