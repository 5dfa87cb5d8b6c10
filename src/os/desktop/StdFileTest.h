#pragma once

#include "ports/FileTestPort.h"

namespace orbelle {

// The file test on a desktop without Windows file attributes: a name that starts with a
// dot counts as hidden, and there are no system files.
class StdFileTest final : public FileTestPort {
public:
    bool isOrdinaryFile(std::string_view path) const override;
};

} // namespace orbelle
