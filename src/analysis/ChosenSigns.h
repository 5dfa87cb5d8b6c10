#pragma once

#include <string>

namespace orbelle {

// The two picker texts of the main window, as the analysis reads them at load.
struct ChosenSigns {
    std::string own;
    std::string partner;
};

} // namespace orbelle
