#include "about/LinkLabel.h"

#include "about/AboutLook.h"
#include "about/LinkLabelAccessible.h"
#include "kit/Look.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace orbelle {

namespace {

constexpr QColor kLinkBlue{0, 0, 255};
constexpr qreal kLinkPointSize = 9.75;

} // namespace

LinkLabel::LinkLabel(QWidget* parent)
    : QLabel(parent)
{
    QFont font = aboutTahoma(kLinkPointSize);
    font.setUnderline(true);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, kLinkBlue);
    setPalette(palette);
    setCursor(Look::handCursor());
    setTextFormat(Qt::PlainText);
    // Reached by Tab only: a mouse click opens the link and leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    static const bool accessibleAsLink = [] {
        QAccessible::installFactory(&LinkLabelAccessible::create);
        return true;
    }();
    Q_UNUSED(accessibleAsLink);
}

void LinkLabel::click()
{
    Q_EMIT clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    const bool plain = !(event->modifiers() & ~Qt::KeypadModifier);
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!plain)
            break;
        event->accept();
        click();
        return;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool releasedOver = m_pressed && event->button() == Qt::LeftButton
                              && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (releasedOver)
        click();
}

void LinkLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // The frame goes around the address itself, not the whole width the label may take.
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.backgroundColor = palette().color(QPalette::Window);
    const int align = static_cast<int>(alignment().toInt());
    const QRect address = style()->itemTextRect(fontMetrics(), contentsRect(), align, true, text());
    frame.rect = address.adjusted(-1, 0, 1, 0).intersected(rect());
    QStylePainter painter(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}

} // namespace orbelle
