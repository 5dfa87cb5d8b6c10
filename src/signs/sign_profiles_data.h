#pragma once
#include <array>
#include <string_view>
namespace orbelle {
// The German profile texts, indexed by catalogue position - 1 (Widder first, Fische last).
extern const std::array<std::string_view, 12> kSignProfileTexts;
}
