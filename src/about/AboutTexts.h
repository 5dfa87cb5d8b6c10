#pragma once

#include "OrbelleVersion.h"

#include <string>
#include <string_view>

namespace orbelle {

// The About dialog's fixed texts. Neither the program nor its astrology partner has a
// public site yet, so the addresses stay under reserved example domains until they do.
namespace AboutTexts {

inline constexpr std::string_view kWindowTitle = "Info zu " ORBELLE_PRODUCT_TITLE;

inline constexpr std::string_view kMailAddress = "autor@orbelle.example";
inline constexpr std::string_view kHomepage = "www.orbelle.example";
// The astrology partner has a site of its own.
inline constexpr std::string_view kAstrologyPage = "www.sterne.example";

// Four credit lines with an empty line between each two, CR LF breaks, none at the end.
std::string creditText();

// The freeware notice.
std::string_view disclaimer();

// What the mail link hands the shell for the address shown in its caption: the blank
// after "mailto:" and the unencoded subject are how the link has always been written.
std::string mailLink(std::string_view mailCaption);

} // namespace AboutTexts

} // namespace orbelle
