#pragma once

#include <string>
#include <string_view>

namespace orbelle {

// The address a link text stands for, with its scheme spelt out, as the Windows shell and
// the desktop's URL handlers alike need it: a "mailto:" text loses the blanks after the
// colon, and a web address without a scheme gets "http://", so that a bare "www.example"
// never names a file. Anything with a scheme stays as it is.
std::string linkAddress(std::string_view linkText);

} // namespace orbelle
