#pragma once

#include <string_view>

namespace orbelle {

// The reading for one unordered pair of signs. signA is the earlier sign in canonical
// order (or the same sign); texts are used exactly as stored, blanks included.
struct PairReading {
    std::string_view signA;
    std::string_view signB;
    std::string_view firstParagraph;
    std::string_view secondParagraph;
    std::string_view verdict; // empty for one pair only
};

} // namespace orbelle
