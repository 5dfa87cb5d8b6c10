#include "birthdate/Form5.h"

#include "birthdate/BirthDateAnswer.h"
#include "kit/ControlFactory.h"
#include "kit/QtText.h"
#include "kit/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace orbelle {

namespace {

// The window was laid out for the small dialog font of its time: the instruction fills
// three lines of its label. Desktop fonts today are larger, so the window's font is made
// as large as the desktop's default allows while the instruction still fits: condensed
// first, then smaller in steps, never below a size that stays readable.
QFont fittingFont(QLabel* label)
{
    QFont font = label->font();
    const qreal defaultSize = font.pointSizeF() > 0 ? font.pointSizeF() : 9.0;
    constexpr qreal kSmallest = 7.0;
    constexpr qreal kStep = 0.25;
    auto fits = [label](const QFont& candidate) {
        label->setFont(candidate);
        return label->heightForWidth(label->width()) <= label->height();
    };
    if (fits(font))
        return font;
    font.setStretch(QFont::SemiCondensed);
    for (qreal size = defaultSize; size >= kSmallest; size -= kStep) {
        font.setPointSizeF(size);
        if (fits(font))
            return font;
    }
    return font;
}

} // namespace

Form5::Form5()
    : Form(Border::FixedTool)
    , Combo1(makeList(this, "Combo1", twipsRect(248, 120, 735, 315)))
    , Combo2(makeList(this, "Combo2", twipsRect(1088, 120, 1215, 315)))
    , Label1(makeLabel(this, "Label1", twipsRect(248, 600, 2055, 615)))
    , Command1(
          makeButton(this, "Command1", twipsRect(248, 1320, 2055, 375), QStringLiteral("Start")))
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Sternzeichen"));
    setClientSizeTwips(2550, 1815);

    Label1->setWordWrap(true);
    Label1->setText(QStringLiteral(
        "Wähle oben das Geburts- datum aus und schon siehst Du hier das Sternzeichen."));
    // One font for all controls, as the window has always had.
    setFont(fittingFont(Label1));
    // An empty font resolves nothing, so the label follows the window's font again.
    Label1->setFont(QFont());

    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);

    Combo1->setAccessibleName(QStringLiteral("Geburtstag"));
    Combo2->setAccessibleName(QStringLiteral("Geburtsmonat"));
    Command1->setAccessibleDescription(
        QStringLiteral("Nennt das Sternzeichen zum gewählten Datum."));

    setTabOrder(Combo1, Combo2);
    setTabOrder(Combo2, Command1);
    Combo1->setFocus();
}

void Form5::Form_Load()
{
    for (const std::string_view month : birthDateMonths())
        Combo2->addItem(toQString(month));
    for (const std::string_view day : birthDateDays())
        Combo1->addItem(toQString(day));
    // A drop-down list would otherwise preselect its first item.
    Combo2->setCurrentIndex(-1);
    Combo1->setCurrentIndex(-1);
}

void Form5::Command1_Click()
{
    Label1->setText(toQString(
        BirthDateAnswer(toStdString(Combo1->currentText()), toStdString(Combo2->currentText()))));
}

} // namespace orbelle
