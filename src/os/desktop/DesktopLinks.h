#pragma once

#include <string>
#include <string_view>

namespace orbelle {

// The address a desktop without the Windows shell needs for a text that the Windows shell
// would open as it is: a "mailto:" text loses the blanks after the colon, and a web
// address without a scheme gets "http://". Anything with a scheme stays as it is.
std::string desktopUrl(std::string_view shellText);

} // namespace orbelle
