#pragma once

#include <string_view>

namespace orbelle {

// One of the twelve signs with everything the program shows about it alone.
struct SignEntry {
    std::string_view displayName; // picker item, profile caption, tooltip, lookup key
    std::string_view pictureControl; // object name of the sign's area on the main window
    std::string_view dateLine; // first line of the profile, shown unchanged
    std::string_view profileText; // one paragraph, no line breaks
};

} // namespace orbelle
