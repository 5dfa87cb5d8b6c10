#include "signs/Form4.h"

#include "kit/Look.h"
#include "kit/Twips.h"

#include <QPlainTextEdit>

namespace orbelle {

Form4::Form4()
    : Form(Border::FixedTool)
    , Text1(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("Form4"));
    setClientSizeTwips(4680, 3195);

    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twipsRect(120, 120, 4455, 3015));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Every sign click replaces the whole text, so typing into it would only be lost.
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Look::setTextGround(Text1);
    Text1->setAccessibleName(QStringLiteral("Profil des Sternzeichens"));
    Text1->setFocus();
}

} // namespace orbelle
