#include "about/AboutTexts.h"

#include <array>

namespace orbelle::AboutTexts {

namespace {

constexpr std::array<std::string_view, 4> kCreditLines = {
    "Screendesign: Lene Sommerfeld",
    "Astrologische Texte: 2026 © Ilona Wendrich",
    "Programmierung: Jonas Tavix",
    "Copyright © 2026 Jonas Tavix",
};

constexpr std::string_view kParagraphBreak = "\r\n\r\n";

} // namespace

std::string creditText()
{
    std::string text;
    for (const std::string_view line : kCreditLines) {
        if (!text.empty())
            text.append(kParagraphBreak);
        text.append(line);
    }
    return text;
}

std::string_view disclaimer()
{
    return "Orbelle ist Freeware und darf in unveränderter Form frei weitergegeben "
           "werden. Alle Rechte vorbehalten.";
}

std::string mailLink(std::string_view mailCaption)
{
    std::string link = "mailto: ";
    link.append(mailCaption).append("?subject=Orbelle-Partner-Test");
    return link;
}

} // namespace orbelle::AboutTexts
