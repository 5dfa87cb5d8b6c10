// orbelle_render_artwork SVGDIR OUTDIR
// A build-time tool: renders every piece of the SVG artwork at every display scale into
// OUTDIR/<name>@<percent>.png and lists them in OUTDIR/artwork.qrc for rcc. It runs on
// the build machine, also when the program itself is cross-built for Windows.

#include "platform/ArtworkPieces.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>

using namespace orbelle;

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

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

// Returns the files written, or nothing when a piece could not be read or written.
QStringList renderAll(const QDir& svgDir, const QDir& outDir)
{
    QStringList files;
    for (const Artwork::Piece& piece : Artwork::kPieces) {
        QSvgRenderer renderer(svgDir.filePath(qs(piece.svgFile)));
        if (!renderer.isValid()) {
            std::fprintf(stderr, "cannot read %s\n", piece.svgFile.data());
            return {};
        }
        for (int percent : Artwork::kScalePercents) {
            const QString file = QStringLiteral("%1@%2.png").arg(qs(piece.name)).arg(percent);
            const QImage image = render(renderer, QSize(piece.width, piece.height), percent / 100.0);
            if (!image.save(outDir.filePath(file))) {
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
