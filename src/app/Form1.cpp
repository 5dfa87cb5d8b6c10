#include "app/Form1.h"

#include "OrbelleVersion.h"
#include "kit/ClickArea.h"
#include "kit/ControlFactory.h"
#include "kit/Look.h"
#include "kit/QtText.h"
#include "kit/Twips.h"
#include "ports/MessageBoxPort.h"
#include "signs/SignCatalogue.h"

#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace orbelle {

namespace {

constexpr qreal kLabelPointSize = 9.75;
constexpr qreal kControlPointSize = 8.25;
constexpr Qt::Alignment kCaptionAlignment = Qt::AlignLeft | Qt::AlignVCenter;

// Ctrl+Return starts the analysis from anywhere in the main window.
constexpr QKeyCombination kHeartShortcut{Qt::ControlModifier, Qt::Key_Return};

struct SignArea {
    std::string_view pictureControl;
    QRect twips;
    void (Form1::*handler)();
};

// Where each figure stands on the picture: a U that opens upwards.
constexpr SignArea kSignAreas[] = {
    {"stier", {600, 1200, 1095, 855}, &Form1::stier_Click},
    {"widder", {600, 2040, 1215, 855}, &Form1::widder_Click},
    {"fische", {600, 2880, 1215, 735}, &Form1::fische_Click},
    {"wassermann", {1080, 3600, 1095, 1215}, &Form1::wassermann_Click},
    {"steinbock", {2280, 4080, 975, 975}, &Form1::steinbock_Click},
    {"schuetze", {3240, 4200, 1095, 1095}, &Form1::schuetze_Click},
    {"skorpion", {4320, 4200, 1095, 1095}, &Form1::skorpion_Click},
    {"waage", {5400, 4200, 855, 855}, &Form1::waage_Click},
    {"jungfrau", {6240, 3600, 975, 975}, &Form1::jungfrau_Click},
    {"loewe", {6360, 2760, 1455, 855}, &Form1::loewe_Click},
    {"krebs", {6240, 1920, 1695, 855}, &Form1::krebs_Click},
    {"zwilling", {6120, 1080, 1575, 855}, &Form1::zwilling_Click},
};

QComboBox* makePicker(QWidget* parent, const char* name, QRect geometry, const QString& tip)
{
    QComboBox* picker = makeList(parent, name, geometry);
    picker->setFont(Look::comicSans(kControlPointSize));
    picker->setToolTip(tip);
    return picker;
}

} // namespace

Form1::Form1(MessageBoxPort& messageBox)
    : Form(Border::FixedSingle)
    , m_messageBox(messageBox)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(toQString(kProductTitle));
    setClientSizeTwips(8355, 5325);

    // The captions above the pickers stand in the middle of their height, as they always have.
    Label1 = makeLabel(this, "Label1", twipsRect(240, 120, 2175, 255),
                       QStringLiteral("Dein Sternzeichen:"), kCaptionAlignment);
    Ster = makeLabel(this, "Ster", twipsRect(5520, 120, 2775, 255),
                     QStringLiteral("Sternzeichen des Partners:"), kCaptionAlignment);
    cbo_astro1 = makePicker(this, "cbo_astro1", twipsRect(240, 600, 2175, 345),
                            QStringLiteral("Hier kannst Du Dein Sternzeichen aussuchen"));
    cbo_astro2 = makePicker(
        this, "cbo_astro2", twipsRect(5880, 600, 2175, 345),
        QStringLiteral("Hier kannst das Sterzeichen Deines Herzblattes aussuchen"));
    Label2 = makeLabel(this, "Label2", twipsRect(3120, 720, 2175, 615),
                       QStringLiteral("Ein Klick auf das Herz startet die Analyse!"));
    Label2->setWordWrap(true);
    for (QLabel* label : {Label1, Ster, Label2})
        label->setFont(Look::comicSans(kLabelPointSize, true));

    Image1 = new ClickArea(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twipsRect(2760, 1440, 2775, 2415));
    Image1->setToolTip(QStringLiteral("Analyse starten"));
    Image1->setCursor(Look::heartCursor());
    // The heart has no focus stop of its own; keyboard users reach it by its shortcut.
    Image1->setShortcut(kHeartShortcut);
    Image1->setAccessibleName(QStringLiteral("Analyse starten"));
    Image1->setAccessibleDescription(
        QStringLiteral("Zeigt die Partnerschaftsanalyse für die beiden gewählten Sternzeichen. "
                       "Tastenkürzel: Strg+Eingabe"));
    connect(Image1, &ClickArea::clicked, this, &Form1::Image1_Click);

    createSignAreas();

    Command3 = makeButton(this, "Command3", twipsRect(120, 4920, 1815, 375),
                          QStringLiteral("Sternzeichenauswahl"));
    Command3->setToolTip(QStringLiteral("Wann ist welches Sternzeichen aktuell?"));
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    Command2 = makeButton(this, "Command2", twipsRect(6840, 4920, 1335, 375),
                          QStringLiteral("Info"));
    Command2->setToolTip(QStringLiteral("Über ") + toQString(kProductTitle));
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    for (QPushButton* button : {Command3, Command2})
        button->setFont(Look::comicSans(kControlPointSize));

    cbo_astro1->setAccessibleName(QStringLiteral("Dein Sternzeichen"));
    cbo_astro2->setAccessibleName(QStringLiteral("Sternzeichen des Partners"));

    setTabOrder(cbo_astro1, cbo_astro2);
    setTabOrder(cbo_astro2, Command3);
    setTabOrder(Command3, Command2);
    cbo_astro1->setFocus();
}

void Form1::createSignAreas()
{
    const QCursor hand = Look::handCursor();
    for (const SignArea& area : kSignAreas) {
        const SignEntry* sign = findSignByPictureControl(area.pictureControl);
        auto* clickArea = new ClickArea(this);
        clickArea->setObjectName(toQString(area.pictureControl));
        clickArea->setGeometry(
            twipsRect(area.twips.x(), area.twips.y(), area.twips.width(), area.twips.height()));
        clickArea->setToolTip(toQString(sign->displayName));
        clickArea->setAccessibleName(toQString(sign->displayName));
        clickArea->setAccessibleDescription(
            QStringLiteral("Zeigt das Profil dieses Sternzeichens."));
        clickArea->setCursor(hand);
        connect(clickArea, &ClickArea::clicked, this, area.handler);
    }
}

void Form1::Form_Load()
{
    for (QComboBox* picker : {cbo_astro1, cbo_astro2}) {
        for (const SignEntry& sign : signCatalogue())
            picker->addItem(toQString(sign.displayName));
        // A drop-down list would otherwise preselect its first item.
        picker->setCurrentIndex(-1);
    }
}

ChosenSigns Form1::chosenSigns() const
{
    return {toStdString(cbo_astro1->currentText()), toStdString(cbo_astro2->currentText())};
}

void Form1::Form_Unload()
{
    Q_EMIT othersUnloadRequested();
}

void Form1::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    if (m_background.isNull() || m_background.devicePixelRatio() != ratio)
        m_background = Look::artwork(Artwork::kBackground, ratio);
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
}

void Form1::Image1_Click()
{
    if (cbo_astro1->currentText().isEmpty() || cbo_astro2->currentText().isEmpty()) {
        m_messageBox.show("Es sind nicht alle nötigen Sternzeichen definiert",
                          "Kein Sternzeichen angegeben");
        return;
    }
    Q_EMIT analysisRequested();
}

void Form1::Command2_Click()
{
    Q_EMIT aboutRequested();
}

void Form1::Command3_Click()
{
    Q_EMIT birthDateRequested();
}

void Form1::showProfile(std::string_view pictureControl, ProfileWindow mode)
{
    Q_EMIT profileRequested(*findSignByPictureControl(pictureControl), mode);
}

void Form1::widder_Click()
{
    showProfile("widder", ProfileWindow::Reopen);
}
void Form1::stier_Click()
{
    showProfile("stier", ProfileWindow::Reopen);
}
// The Zwillinge figure has always refreshed an open profile window where it stands.
void Form1::zwilling_Click()
{
    showProfile("zwilling", ProfileWindow::KeepInPlace);
}
void Form1::krebs_Click()
{
    showProfile("krebs", ProfileWindow::Reopen);
}
void Form1::loewe_Click()
{
    showProfile("loewe", ProfileWindow::Reopen);
}
void Form1::jungfrau_Click()
{
    showProfile("jungfrau", ProfileWindow::Reopen);
}
void Form1::waage_Click()
{
    showProfile("waage", ProfileWindow::Reopen);
}
void Form1::skorpion_Click()
{
    showProfile("skorpion", ProfileWindow::Reopen);
}
void Form1::schuetze_Click()
{
    showProfile("schuetze", ProfileWindow::Reopen);
}
void Form1::steinbock_Click()
{
    showProfile("steinbock", ProfileWindow::Reopen);
}
void Form1::wassermann_Click()
{
    showProfile("wassermann", ProfileWindow::Reopen);
}
void Form1::fische_Click()
{
    showProfile("fische", ProfileWindow::Reopen);
}

} // namespace orbelle
