#include "analysis/frm_aus.h"

#include "analysis/info_text_data.h"
#include "kit/ControlFactory.h"
#include "kit/Look.h"
#include "kit/QtText.h"
#include "kit/Twips.h"
#include "ports/ClipboardPort.h"
#include "ports/MessageBoxPort.h"
#include "ports/PrinterPort.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPushButton>
#include <QTextDocumentFragment>
#include <QTextEdit>

namespace orbelle {

namespace {

constexpr QColor kWindowGround{224, 224, 224};
constexpr qreal kTextPointSize = 12;

// Corners of the thin frame around the text box, in twips.
constexpr QPoint kFrameTopLeft{120, 120};
constexpr QPoint kFrameBottomRight{8160, 6720};

// Some clipboards hand text back with bare line feeds; that is still the same text.
std::string withoutCarriageReturns(std::string text)
{
    std::erase(text, '\r');
    return text;
}

// What the user hears of a print: nothing when it went to the printer.
void reportPrint(MessageBoxPort& messageBox, PrinterPort::Outcome outcome)
{
    switch (outcome) {
    case PrinterPort::Outcome::Printed:
        break;
    case PrinterPort::Outcome::NoPrinter:
        messageBox.show(kNoPrinterPrompt, kNoPrinterTitle, MessageIcon::Warning);
        break;
    case PrinterPort::Outcome::Failed:
        messageBox.show(kPrintFailedPrompt, kPrintFailedTitle, MessageIcon::Warning);
        break;
    }
}

} // namespace

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
    QPalette ground = palette();
    ground.setColor(QPalette::Window, kWindowGround);
    setPalette(ground);
    setAutoFillBackground(true);

    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setAccessibleName(QStringLiteral("Astro-Analyse"));
    RichTextBox1->setGeometry(twipsRect(240, 240, 7815, 6375));
    RichTextBox1->setFont(Look::comicSans(kTextPointSize));
    RichTextBox1->setAcceptRichText(false);
    // Whatever the user typed would be copied and printed as if it were the reading, so the
    // text can only be selected; setReadOnly resets the interaction flags, hence this order.
    RichTextBox1->setReadOnly(true);
    RichTextBox1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RichTextBox1->setTabChangesFocus(true);
    RichTextBox1->setLineWrapMode(QTextEdit::WidgetWidth);
    RichTextBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RichTextBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Look::setTextGround(RichTextBox1);

    Kopieren = makeButton(this, "Kopieren", twipsRect(188, 6840, 1695, 375),
                          QStringLiteral("Analyse kopieren"));
    Command3 = makeButton(this, "Command3", twipsRect(2268, 6840, 1695, 375),
                          QStringLiteral("Schließen"));
    Command1a = makeButton(this, "Command1a", twipsRect(4348, 6840, 1695, 375),
                           QStringLiteral("Über Horoskope"));
    Command2 = makeButton(this, "Command2", twipsRect(6428, 6840, 1695, 375),
                          QStringLiteral("Drucken"));
    Command1 = makeButton(this, "Command1", twipsRect(3240, 4080, 1695, 375),
                          QStringLiteral("Über Horoskope"));
    // The inner button lies beneath the text box, so that it hides no word of the text at
    // any scale. Out of sight, it takes no focus either: the first stop is the text itself.
    Command1->lower();
    Command1->setFocusPolicy(Qt::NoFocus);

    connect(Kopieren, &QPushButton::clicked, this, &frm_aus::Kopieren_Click);
    connect(Command2, &QPushButton::clicked, this, &frm_aus::Command2_Click);
    connect(Command1a, &QPushButton::clicked, this, &frm_aus::Command1a_Click);
    // Assistive technology still finds the inner button; it does what its twin in the
    // bottom row does rather than nothing.
    connect(Command1, &QPushButton::clicked, this, &frm_aus::Command1a_Click);
    connect(Command3, &QPushButton::clicked, this, &frm_aus::Command3_Click);

    setTabOrder(RichTextBox1, Kopieren);
    setTabOrder(Kopieren, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command1a);
    RichTextBox1->setFocus();
}

void frm_aus::Form_Load()
{
    const ChosenSigns signs = m_chosenSigns();
    loadAnalysis(m_fields, signs.own, signs.partner);
    setWindowTitle(toQString(analysisCaption(m_fields.sign1, m_fields.sign2)));
    RichTextBox1->setPlainText(toQString(analysisDisplayText(m_fields)));
}

void frm_aus::Kopieren_Click()
{
    const std::string text = toStdString(withCrLf(RichTextBox1->toPlainText()));
    m_platform.clipboard.clear();
    m_platform.clipboard.setText(text);
    // A clipboard held open by another program takes nothing; confirming the copy then
    // would let the user paste something else entirely.
    if (withoutCarriageReturns(m_platform.clipboard.text()) != withoutCarriageReturns(text)) {
        m_platform.messageBox.show(kCopyFailedPrompt, kCopyFailedTitle, MessageIcon::Warning);
        return;
    }
    m_platform.messageBox.show(kCopiedPrompt, kCopiedTitle, MessageIcon::Information);
}

void frm_aus::Command2_Click()
{
    const QTextCursor selection = RichTextBox1->textCursor();
    const QString text = selection.hasSelection() ? selection.selection().toPlainText()
                                                  : RichTextBox1->toPlainText();
    // The box's font is given in points, so the printer sets it at 12 pt on paper. The
    // outcome comes when the printer has answered; it is reported even if the window has
    // been closed by then, because nothing on paper would be the only other sign.
    MessageBoxPort& messageBox = m_platform.messageBox;
    m_platform.printer.print(text, RichTextBox1->font())
        .then(QCoreApplication::instance(),
              [&messageBox](PrinterPort::Outcome outcome) { reportPrint(messageBox, outcome); });
}

void frm_aus::Command1a_Click()
{
    std::string info(kInfoTextFirst);
    info.append(kInfoTextSecond);
    RichTextBox1->setPlainText(toQString(info));
    Command2->hide();
    Kopieren->hide();
    Command3->show();
    Command1->hide();
    setWindowTitle(toQString(kInfoCaption));
}

void frm_aus::Command3_Click()
{
    close();
}

void frm_aus::paintEvent(QPaintEvent* event)
{
    Form::paintEvent(event);
    const QPoint topLeft = twipsPoint(kFrameTopLeft.x(), kFrameTopLeft.y());
    const QPoint bottomRight = twipsPoint(kFrameBottomRight.x(), kFrameBottomRight.y());
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    // Line1(1) along the top, Line1(0) along the bottom, Line2 left, Line3 right.
    painter.drawLine(topLeft.x(), topLeft.y(), bottomRight.x(), topLeft.y());
    painter.drawLine(topLeft.x(), bottomRight.y(), bottomRight.x(), bottomRight.y());
    painter.drawLine(topLeft.x(), topLeft.y(), topLeft.x(), bottomRight.y());
    painter.drawLine(bottomRight.x(), topLeft.y(), bottomRight.x(), bottomRight.y());
}

} // namespace orbelle
