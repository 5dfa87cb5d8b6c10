#pragma once

#include <cstdint>
#include <string_view>

namespace orbelle {

// The desktop shell: opens a document, web address or "mailto:" text with the program
// registered for it. What happens then is the shell's business: no result is reported.
class ShellPort {
public:
    virtual ~ShellPort() = default;
    // ownerWindow is the native handle of the window that asks, or 0.
    virtual void open(std::uintptr_t ownerWindow, std::string_view file) = 0;
};

} // namespace orbelle
