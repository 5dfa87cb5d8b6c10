#pragma once

#include "kit/ArtworkPieces.h"

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

class QWidget;

namespace orbelle {

// The shared look of the program's windows: fonts, colours, icon and pointers.
namespace Look {

// Long texts stand on this light yellow.
inline constexpr QColor kTextGround{255, 255, 192};

// The fonts are asked for by their Windows names; on Linux fontconfig maps Comic Sans MS
// to Comic Neue (fonts-comic-neue) and Tahoma to a close sans-serif.
QFont comicSans(qreal pointSize, bool bold = false);
QFont tahoma(qreal pointSize, bool bold = false);

// The yellow sun of every window's title bar.
QIcon programIcon();

// The pointing hand over the sign figures and links, hot spot at the fingertip.
QCursor handCursor();

// The small red heart over the main window's heart.
QCursor heartCursor();

// A picture of the artwork for the given device pixel ratio, crisp on high-DPI screens:
// the render made for that scale, or the next larger one smoothly scaled down.
QPixmap artwork(const Artwork::Piece& piece, qreal devicePixelRatio);

// The render made at build time for the display scale in percent, as QPixmap holds it.
QImage artworkRender(const Artwork::Piece& piece, int percent);

// Light yellow ground for a text box.
void setTextGround(QWidget* widget);

} // namespace Look

} // namespace orbelle
