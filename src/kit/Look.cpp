#include "kit/Look.h"

#include "kit/QtText.h"

#include <QDataStream>
#include <QGuiApplication>
#include <QPalette>
#include <QResource>
#include <QScreen>
#include <QWidget>

#include <algorithm>

// The renders of the artwork, compiled in by rcc; a static library must ask for them.
static void loadArtworkResources()
{
    Q_INIT_RESOURCE(artwork);
}

namespace orbelle::Look {

namespace {

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

QString renderPath(const Artwork::Piece& piece, int percent)
{
    static const bool loaded = (loadArtworkResources(), true);
    Q_UNUSED(loaded);
    return QStringLiteral(":/orbelle/art/%1@%2.pixels").arg(toQString(piece.name)).arg(percent);
}

// The smallest render at least as large as the ratio asks for, else the largest there is.
int renderPercent(qreal devicePixelRatio)
{
    const auto& percents = Artwork::kScalePercents;
    const qreal wanted = devicePixelRatio * 100;
    const auto found = std::find_if(percents.begin(), percents.end(),
                                    [wanted](int percent) { return percent >= wanted - 0.5; });
    return found == percents.end() ? percents.back() : *found;
}

QCursor artworkCursor(const Artwork::Piece& piece, QPoint hotSpot)
{
    return QCursor(artwork(piece, screenRatio()), hotSpot.x(), hotSpot.y());
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
    // The title bar's, the task bar's and the switcher's size at the screen's scale only:
    // an icon reads every picture it is given at once, and the desktop is handed them all.
    static const QIcon icon = [] {
        QIcon sun;
        for (const Artwork::Piece& piece : Artwork::kSunPieces)
            sun.addPixmap(artwork(piece, screenRatio()));
        return sun;
    }();
    return icon;
}

QCursor handCursor()
{
    return artworkCursor(Artwork::kHandCursor, kHandHotSpot);
}

QCursor heartCursor()
{
    return artworkCursor(Artwork::kHeartCursor, kHeartHotSpot);
}

QImage artworkRender(const Artwork::Piece& piece, int percent)
{
    const QByteArray bytes = QResource(renderPath(piece, percent)).uncompressedData();
    QDataStream in(bytes);
    quint32 width = 0, height = 0, format = 0;
    in >> width >> height >> format;
    const qsizetype pixelBytes = qsizetype(width) * height * Artwork::kBytesPerPixel;
    if (in.status() != QDataStream::Ok || bytes.size() != Artwork::kPixelsHeaderSize + pixelBytes)
        return {};
    // A copy, so that the picture outlives the bytes it was read from.
    return QImage(reinterpret_cast<const uchar*>(bytes.constData()) + Artwork::kPixelsHeaderSize,
                  int(width), int(height), int(width) * Artwork::kBytesPerPixel,
                  QImage::Format(format))
        .copy();
}

QPixmap artwork(const Artwork::Piece& piece, qreal devicePixelRatio)
{
    const int percent = renderPercent(devicePixelRatio);
    QPixmap pixmap = QPixmap::fromImage(artworkRender(piece, percent));
    const QSize wanted = QSize(piece.width, piece.height) * devicePixelRatio;
    if (pixmap.size() != wanted)
        pixmap = pixmap.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

void setTextGround(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, kTextGround);
    widget->setPalette(palette);
}

} // namespace orbelle::Look
