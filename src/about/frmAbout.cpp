#include "about/frmAbout.h"

#include "about/AboutLook.h"
#include "about/AboutTexts.h"
#include "about/LinkLabel.h"
#include "about/SysInfo.h"
#include "kit/ControlFactory.h"
#include "kit/Look.h"
#include "kit/QtText.h"
#include "kit/Twips.h"
#include "ports/ShellPort.h"

#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include <cstdint>
#include <string_view>

namespace orbelle {

namespace {

constexpr qreal kCaptionPointSize = 9.75;
constexpr qreal kTitlePointSize = 12;

// The etched separator: a grey hairline over a white line two pixels wide.
constexpr QColor kEtchShadow{128, 128, 128};
constexpr QColor kEtchLight{255, 255, 255};

// The link labels may grow to the right up to a small gap before the buttons, so that an
// address in a wider stand-in font is not cut off.
constexpr int kButtonColumnTwips = 4320;
constexpr int kGapTwips = 120;

QLabel* makeCaption(QWidget* parent, const char* name, QRect geometry, const QString& text)
{
    QLabel* label = makeLabel(parent, name, geometry, text);
    label->setFont(aboutTahoma(kCaptionPointSize));
    return label;
}

LinkLabel* makeLink(QWidget* parent, const char* name, QRect geometry, std::string_view address)
{
    auto* link = placeControl<LinkLabel>(parent, name, geometry);
    link->setText(toQString(address));
    link->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const int needed = link->fontMetrics().horizontalAdvance(link->text()) + 2;
    const int room = twips(kButtonColumnTwips - kGapTwips) - geometry.left();
    geometry.setWidth(std::max(geometry.width(), std::min(needed, room)));
    link->setGeometry(geometry);
    return link;
}

} // namespace

frmAbout::frmAbout(const Platform& platform)
    : Form(Border::FixedTool)
    , m_platform(platform)
{
    setObjectName(QStringLiteral("frmAbout"));
    setClientSizeTwips(5730, 4635);

    picIcon = makeLabel(this, "picIcon", twipsRect(120, 120, 825, 600));
    picIcon->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picIcon->setLineWidth(2);
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setAccessibleName(QStringLiteral("Logo von Orbelle: zwei Herzen"));

    lblTitle = makeLabel(this, "lblTitle", twipsRect(1200, 120, 4365, 360));
    lblTitle->setFont(aboutTahoma(kTitlePointSize, true));
    lblDescription = makeLabel(this, "lblDescription", twipsRect(1200, 600, 4365, 1770));
    lblDescription->setWordWrap(true);
    lblDisclaimer = makeLabel(this, "lblDisclaimer", twipsRect(270, 2625, 5310, 585));
    lblDisclaimer->setWordWrap(true);

    Label1 = makeCaption(this, "Label1", twipsRect(240, 3360, 1695, 255),
                         QStringLiteral("Mail an den Autor:"));
    lbl_mail = makeLink(this, "lbl_mail", twipsRect(2040, 3360, 1575, 255),
                        AboutTexts::kMailAddress);
    cmdOK = makeButton(this, "cmdOK", twipsRect(4320, 3360, 1260, 345), QStringLiteral("OK"));
    Label2 = makeCaption(this, "Label2", twipsRect(240, 3720, 1695, 255),
                         QStringLiteral("Homepage:"));
    link1 = makeLink(this, "link1", twipsRect(2040, 3720, 1335, 255), AboutTexts::kHomepage);
    cmdSysInfo = makeButton(this, "cmdSysInfo", twipsRect(4320, 3840, 1245, 345),
                            QStringLiteral("&Systeminfo..."));
    Label3 = makeCaption(this, "Label3", twipsRect(240, 4080, 1695, 255),
                         QStringLiteral("Astrologie:"));
    link2 = makeLink(this, "link2", twipsRect(2040, 4080, 1695, 255), AboutTexts::kAstrologyPage);

    lbl_mail->setAccessibleDescription(QStringLiteral("Schreibt eine Mail an den Autor."));
    link1->setAccessibleDescription(QStringLiteral("Öffnet die Homepage im Browser."));
    link2->setAccessibleDescription(QStringLiteral("Öffnet die Astrologie-Seite im Browser."));

    // OK is the default button and the cancel button. Every focus stop of the dialog takes
    // Enter itself: a button presses itself, a link opens. Esc presses OK wherever the
    // focus is.
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    cmdSysInfo->setAutoDefault(true);
    auto* cancel = new QShortcut(QKeySequence::Cancel, this);
    connect(cancel, &QShortcut::activated, cmdOK, &QPushButton::click);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    connect(lbl_mail, &LinkLabel::clicked, this, &frmAbout::lbl_mail_Click);
    connect(link1, &LinkLabel::clicked, this, &frmAbout::link1_Click);
    connect(link2, &LinkLabel::clicked, this, &frmAbout::link2_Click);

    // The buttons first, then the links from top to bottom.
    setTabOrder(cmdOK, cmdSysInfo);
    setTabOrder(cmdSysInfo, lbl_mail);
    setTabOrder(lbl_mail, link1);
    setTabOrder(link1, link2);
    cmdOK->setFocus();
}

void frmAbout::Form_Load()
{
    setWindowTitle(toQString(AboutTexts::kWindowTitle));
    lblTitle->setText(toQString(kProductTitle));
    // The credit text keeps its CR LF breaks; a label breaks lines at "\n" alone.
    lblDescription->setText(
        toQString(AboutTexts::creditText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    lblDisclaimer->setText(toQString(AboutTexts::disclaimer()));
    renderLogo();
}

void frmAbout::renderLogo()
{
    picIcon->setPixmap(Look::artwork(Artwork::kLogo, devicePixelRatioF()));
}

void frmAbout::renderLogoForScreen()
{
    // Drawn anew for a screen of another scale rather than stretched.
    const QPixmap logo = picIcon->pixmap();
    if (logo.isNull() || logo.devicePixelRatio() != devicePixelRatioF())
        renderLogo();
}

void frmAbout::showEvent(QShowEvent* event)
{
    Form::showEvent(event);
    renderLogoForScreen();
    // The native window exists from the first show on, and lives as long as the dialog.
    if (!m_watchingScreen && windowHandle()) {
        connect(windowHandle(), &QWindow::screenChanged, this, &frmAbout::renderLogoForScreen);
        m_watchingScreen = true;
    }
}

void frmAbout::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPoint shadowFrom = twipsPoint(90, 2445);
    const QPoint lightFrom = twipsPoint(105, 2460);
    const int right = twips(5654);
    painter.fillRect(QRect(shadowFrom, QSize(right - shadowFrom.x(), 1)), kEtchShadow);
    painter.fillRect(QRect(lightFrom, QSize(right - lightFrom.x(), 2)), kEtchLight);
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo(
        {m_platform.registry, m_platform.fileTest, m_platform.programStart, m_platform.messageBox});
}

void frmAbout::openLink(const std::string& file)
{
    m_platform.shell.open(static_cast<std::uintptr_t>(winId()), file);
}

void frmAbout::lbl_mail_Click()
{
    openLink(AboutTexts::mailLink(toStdString(lbl_mail->text())));
}

void frmAbout::link1_Click()
{
    openLink(toStdString(link1->text()));
}

void frmAbout::link2_Click()
{
    openLink(toStdString(link2->text()));
}

} // namespace orbelle
