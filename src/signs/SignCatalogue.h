#pragma once

#include "signs/SignEntry.h"

#include <array>
#include <string>
#include <string_view>

namespace orbelle {

inline constexpr std::size_t kSignCount = 12;

// The line break of every composed text: carriage return, line feed.
inline constexpr std::string_view kLineBreak = "\r\n";

// The twelve signs in canonical order, Widder first and Fische last.
const std::array<SignEntry, kSignCount>& signCatalogue();

// Match on the main window's picture control name (e.g. "zwilling").
const SignEntry* findSignByPictureControl(std::string_view pictureControl);

// What the profile window shows: date line, an empty line, the profile paragraph.
std::string profileWindowText(const SignEntry& entry);

} // namespace orbelle
