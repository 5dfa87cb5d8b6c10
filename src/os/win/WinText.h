#pragma once

#include <string>
#include <string_view>

namespace orbelle {

// The ANSI Windows calls take and give texts in the system's ANSI code page; the program
// keeps UTF-8. A character the code page lacks becomes the code page's default character.
std::string ansiToUtf8(std::string_view ansi);
std::string utf8ToAnsi(std::string_view utf8);

} // namespace orbelle
