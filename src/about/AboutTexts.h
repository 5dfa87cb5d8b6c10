#pragma once

#include <string>
#include <string_view>

namespace orbelle {

// The About dialog's fixed texts. The program has no public site yet, so its addresses
// stay under the reserved example domain until it has one.
namespace AboutTexts {

inline constexpr std::string_view kWindowTitle = "Info zu Orbelle 2.0";
inline constexpr std::string_view kProductTitle = "Orbelle 2.0";

inline constexpr std::string_view kMailAddress = "autor@orbelle.example";
inline constexpr std::string_view kHomepage = "www.orbelle.example";
inline constexpr std::string_view kAstrologyPage = "www.sterne.orbelle.example";

// Four credit lines with an empty line between each two, CR LF breaks, none at the end.
std::string creditText();

// The freeware notice.
std::string_view disclaimer();

// What the mail link hands the shell for the address shown in its caption: the blank
// after "mailto:" and the unencoded subject are how the link has always been written.
std::string mailLink(std::string_view mailCaption);

} // namespace AboutTexts

} // namespace orbelle
