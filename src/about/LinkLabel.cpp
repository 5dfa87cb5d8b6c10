#include "about/LinkLabel.h"

#include "about/AboutLook.h"
#include "platform/Look.h"

#include <QMouseEvent>

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
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click =
        m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}

} // namespace orbelle
