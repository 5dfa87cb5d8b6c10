#pragma once

#include <array>
#include <string_view>

namespace orbelle::Artwork {

// One picture of the artwork: drawn as SVG in src/resources, rendered at build time at
// every display scale to "<name>@<percent>.pixels" and compiled in, so that the program
// needs no SVG renderer at run time.
struct Piece {
    std::string_view name;
    std::string_view svgFile;
    int width; // logical pixels
    int height;
};

// The main window's picture is a pixel or two larger than its client area; the rest is cut.
inline constexpr Piece kBackground{"background", "background.svg", 558, 357};
inline constexpr Piece kLogo{"logo", "logo.svg", 51, 36};
// The pointers are 32 × 32 logical pixels, as on Windows.
inline constexpr Piece kHandCursor{"hand_cursor", "hand_cursor.svg", 32, 32};
inline constexpr Piece kHeartCursor{"heart_cursor", "heart_cursor.svg", 32, 32};
// The sun in a title bar, a task bar and the window switcher.
inline constexpr Piece kSun16{"sun16", "sun.svg", 16, 16};
inline constexpr Piece kSun32{"sun32", "sun.svg", 32, 32};
inline constexpr Piece kSun48{"sun48", "sun.svg", 48, 48};

inline constexpr std::array kPieces{kBackground, kLogo,  kHandCursor, kHeartCursor,
                                    kSun16,      kSun32, kSun48};
inline constexpr std::array kSunPieces{kSun16, kSun32, kSun48};

// A .pixels render: width, height and QImage::Format as 32-bit numbers, then the pixels
// row by row, as a QPixmap holds them.
inline constexpr int kPixelsHeaderSize = 3 * 4;
inline constexpr int kBytesPerPixel = 4;

// The display scales Windows offers, in percent, ascending.
inline constexpr std::array kScalePercents{100, 125, 150, 175, 200, 225, 250, 300};

} // namespace orbelle::Artwork
