#include "os/LinkAddress.h"

#include <algorithm>
#include <cctype>

namespace orbelle {

namespace {

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size()
           && std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
                  return std::tolower(static_cast<unsigned char>(a))
                         == std::tolower(static_cast<unsigned char>(b));
              });
}

// A scheme is a letter followed by letters, digits, "+", "-" or ".", then "://".
bool hasScheme(std::string_view text)
{
    const std::size_t colon = text.find("://");
    if (colon == std::string_view::npos || colon == 0
        || !std::isalpha(static_cast<unsigned char>(text[0])))
        return false;
    return std::all_of(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(colon), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return std::isalnum(u) || c == '+' || c == '-' || c == '.';
    });
}

} // namespace

std::string linkAddress(std::string_view linkText)
{
    constexpr std::string_view kMailto = "mailto:";
    if (startsWithNoCase(linkText, kMailto)) {
        std::string_view rest = linkText.substr(kMailto.size());
        while (!rest.empty() && rest.front() == ' ')
            rest.remove_prefix(1);
        return std::string(kMailto).append(rest);
    }
    if (hasScheme(linkText))
        return std::string(linkText);
    return std::string("http://").append(linkText);
}

} // namespace orbelle
