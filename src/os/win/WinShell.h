#pragma once

#include "ports/ShellPort.h"

namespace orbelle {

// The Windows shell's default verb, in a normal window, on behalf of the owner window.
class WinShell final : public ShellPort {
public:
    void open(std::uintptr_t ownerWindow, std::string_view file) override;
};

} // namespace orbelle
