#pragma once

#include <array>
#include <string>
#include <string_view>

namespace orbelle {

// The entries of the birth-date window's two lists, in the order they are shown. "32"
// is offered on purpose: it is the joke entry.
const std::array<std::string_view, 32>& birthDateDays();
const std::array<std::string_view, 12>& birthDateMonths();

// What the birth-date window shows for a chosen day and month text; an empty text
// means that nothing is chosen in that list.
std::string BirthDateAnswer(std::string_view day, std::string_view month);

} // namespace orbelle
