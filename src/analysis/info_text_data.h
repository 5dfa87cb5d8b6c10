#pragma once
#include <string_view>
namespace orbelle {
// The text about partnership astrology, stored in two pieces that are shown joined.
extern const std::string_view kInfoTextFirst;
extern const std::string_view kInfoTextSecond;
}
