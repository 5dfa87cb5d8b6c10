#pragma once

#include <string>
#include <string_view>

namespace orbelle {

// The entries of a colon-separated search path that name an absolute folder, in their
// order. An empty or relative entry stands for a folder below wherever the program was
// started from, where anybody may have left a program of a well-known name.
std::string absoluteSearchPath(std::string_view searchPath);

// Leaves only the absolute entries in the PATH of this process, or the system folders when
// none is left. Runs first in main(), before any library can start a program.
void keepAbsoluteSearchPathOnly();

} // namespace orbelle
