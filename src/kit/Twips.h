#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace orbelle {

// Window layouts are given in twips (1/1440 inch). At 96 dpi 15 twips make one pixel;
// Qt's logical pixels are exactly those 96-dpi pixels and high-DPI scaling does the rest.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twips(int value)
{
    // Round to the nearest pixel: some positions (188, 2268 ...) are no multiple of 15.
    return (2 * value + kTwipsPerPixel) / (2 * kTwipsPerPixel);
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

constexpr QSize twipsSize(int width, int height)
{
    return QSize(twips(width), twips(height));
}

constexpr QPoint twipsPoint(int x, int y)
{
    return QPoint(twips(x), twips(y));
}

} // namespace orbelle
