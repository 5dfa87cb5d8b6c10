// orbelle_render_artwork SVGDIR OUTDIR
// A build-time tool: renders every piece of the SVG artwork at every display scale into
// OUTDIR/<name>@<percent>.pixels and lists them in OUTDIR/artwork.qrc for rcc. It runs on
// the build machine, also when the program itself is cross-built for Windows.
//
// A .pixels file holds the picture exactly as a QPixmap holds it: width, height and
// QImage::Format (QDataStream), then the 32-bit pixels row by row. The program only copies
// them, where decoding a PNG of the background took as long as the rest of the main
// window's first paint; rcc compresses them smaller than PNG did.

#include "kit/ArtworkPieces.h"
#include "kit/QtText.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>

using namespace orbelle;

namespace {

// The same drawing the program did when it rendered the SVG itself, so that a render at
// an exact scale is the very picture it showed before.
QImage render(QSvgRenderer& renderer, QSize logicalSize, qreal ratio)
{
    QImage image(logicalSize * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(logicalSize)));
    return image;
}

// The pixels the program showed when it loaded the renders as PNG: straight alpha in the
// file, premultiplied again by QPixmap, opaque pictures without alpha. Going the same way
// keeps every picture identical to the last pixel.
QImage asShown(const QImage& render)
{
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    render.save(&png, "PNG");
    return QPixmap::fromImage(QImage::fromData(png.data(), "PNG")).toImage();
}

bool writePixels(const QImage& image, const QString& path)
{
    // The pixels are written as this machine holds them; the program's targets are
    // little-endian as well.
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QDataStream out(&file);
    out << quint32(image.width()) << quint32(image.height()) << quint32(image.format());
    for (int y = 0; y < image.height(); ++y)
        out.writeRawData(reinterpret_cast<const char*>(image.constScanLine(y)),
                         image.width() * Artwork::kBytesPerPixel);
    return out.status() == QDataStream::Ok && file.flush();
}

// Returns the files written, or nothing when a piece could not be read or written.
QStringList renderAll(const QDir& svgDir, const QDir& outDir)
{
    QStringList files;
    for (const Artwork::Piece& piece : Artwork::kPieces) {
        QSvgRenderer renderer(svgDir.filePath(toQString(piece.svgFile)));
        if (!renderer.isValid()) {
            std::fprintf(stderr, "cannot read %s\n", piece.svgFile.data());
            return {};
        }
        for (int percent : Artwork::kScalePercents) {
            const QString file =
                QStringLiteral("%1@%2.pixels").arg(toQString(piece.name)).arg(percent);
            const QImage image = asShown(
                render(renderer, QSize(piece.width, piece.height), percent / 100.0));
            if (image.depth() != 32 || !writePixels(image, outDir.filePath(file))) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(outDir.filePath(file)));
                return {};
            }
            files << file;
        }
    }
    return files;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SVGDIR OUTDIR\n", argv[0]);
        return 2;
    }
    // The background's lettering needs fonts, and the build machine has no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QDir svgDir(QString::fromLocal8Bit(argv[1]));
    QDir outDir(QString::fromLocal8Bit(argv[2]));
    if (!outDir.mkpath(QStringLiteral(".")))
        return 1;
    const QStringList files = renderAll(svgDir, outDir);
    if (files.isEmpty())
        return 1;
    // The list for rcc comes last: the build takes it as the sign that all is rendered.
    QFile qrcFile(outDir.filePath(QStringLiteral("artwork.qrc")));
    if (!qrcFile.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return 1;
    QTextStream qrc(&qrcFile);
    qrc << "<RCC>\n  <qresource prefix=\"/orbelle/art\">\n";
    for (const QString& file : files)
        qrc << "    <file>" << file << "</file>\n";
    qrc << "  </qresource>\n</RCC>\n";
    return 0;
}
