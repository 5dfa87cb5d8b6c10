#pragma once

#include <string_view>

namespace orbelle {

// Starts a program in a normal window that gets the focus, without waiting for it. The
// path is taken literally as one program file: no shell, no arguments, no search.
class ProgramStartPort {
public:
    virtual ~ProgramStartPort() = default;
    // False when the program could not be started.
    virtual bool start(std::string_view programPath) = 0;
};

} // namespace orbelle
