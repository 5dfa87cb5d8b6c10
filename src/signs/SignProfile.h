#pragma once

#include <string_view>

namespace orbelle {

// The profile paragraph of one sign, under the sign's display name.
struct SignProfile {
    std::string_view sign;
    std::string_view text; // one paragraph, no line breaks
};

} // namespace orbelle
