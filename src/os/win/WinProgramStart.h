#pragma once

#include "ports/ProgramStartPort.h"

namespace orbelle {

// CreateProcess with the path as the application name, so that the path is one program
// file even with blanks in it, and a normal window that takes the focus.
class WinProgramStart final : public ProgramStartPort {
public:
    bool start(std::string_view programPath) override;
};

} // namespace orbelle
