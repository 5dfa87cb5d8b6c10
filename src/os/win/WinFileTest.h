#pragma once

#include "ports/FileTestPort.h"

namespace orbelle {

// File attributes as Windows keeps them.
class WinFileTest final : public FileTestPort {
public:
    bool isOrdinaryFile(std::string_view path) const override;
};

} // namespace orbelle
