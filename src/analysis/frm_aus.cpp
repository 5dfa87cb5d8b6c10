#include "analysis/frm_aus.h"

#include "platform/QtText.h"
#include "platform/Twips.h"

#include <QTextEdit>

namespace orbelle {

frm_aus::frm_aus(AnalysisFields& fields, const Platform& platform,
                 std::function<ChosenSigns()> chosenSigns)
    : Form(Border::FixedNoMinimise)
    , RichTextBox1(new QTextEdit(this))
    , m_fields(fields)
    , m_platform(platform)
    , m_chosenSigns(std::move(chosenSigns))
{
    setObjectName(QStringLiteral("frm_aus"));
    setClientSizeTwips(8310, 7365);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setGeometry(twipsRect(240, 240, 7815, 6375));
}

void frm_aus::Form_Load()
{
    const ChosenSigns signs = m_chosenSigns();
    loadAnalysis(m_fields, signs.own, signs.partner);
    setWindowTitle(toQString(analysisCaption(m_fields.sign1, m_fields.sign2)));
    RichTextBox1->setPlainText(toQString(analysisDisplayText(m_fields)));
}

} // namespace orbelle
