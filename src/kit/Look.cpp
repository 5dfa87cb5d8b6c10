#include "kit/Look.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QSvgRenderer>
#include <QWidget>

namespace orbelle::Look {

namespace {

// The pointers are 32 × 32 logical pixels, as on Windows.
constexpr QSize kCursorSize{32, 32};
constexpr QPoint kHandHotSpot{13, 9};
constexpr QPoint kHeartHotSpot{16, 16};

QFont font(const QString& family, qreal pointSize, bool bold)
{
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

qreal screenRatio()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

QCursor svgCursor(const QString& resource, QPoint hotSpot)
{
    return QCursor(renderSvg(resource, kCursorSize, screenRatio()), hotSpot.x(), hotSpot.y());
}

} // namespace

QFont comicSans(qreal pointSize, bool bold)
{
    return font(QStringLiteral("Comic Sans MS"), pointSize, bold);
}

QFont tahoma(qreal pointSize, bool bold)
{
    return font(QStringLiteral("Tahoma"), pointSize, bold);
}

QIcon programIcon()
{
    static const QIcon icon(QStringLiteral(":/orbelle/sun.svg"));
    return icon;
}

QCursor handCursor()
{
    return svgCursor(QStringLiteral(":/orbelle/hand_cursor.svg"), kHandHotSpot);
}

QCursor heartCursor()
{
    return svgCursor(QStringLiteral(":/orbelle/heart_cursor.svg"), kHeartHotSpot);
}

QPixmap renderSvg(const QString& resource, QSize logicalSize, qreal devicePixelRatio)
{
    QPixmap pixmap(logicalSize * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(logicalSize)));
    return pixmap;
}

void setTextGround(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, kTextGround);
    widget->setPalette(palette);
}

} // namespace orbelle::Look
