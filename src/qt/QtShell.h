#pragma once

#include "ports/ShellPort.h"

namespace orbelle {

// The desktop's own handlers for web and mail addresses, for systems without the
// Windows shell. The owner window plays no part there.
class QtShell final : public ShellPort {
public:
    void open(std::uintptr_t ownerWindow, std::string_view file) override;
};

} // namespace orbelle
