#pragma once

#include "ports/ProgramStartPort.h"

namespace orbelle {

// Starts the program file directly, detached, with no shell in between: blanks and shell
// characters in the path are part of the file name.
class QtProgramStart final : public ProgramStartPort {
public:
    bool start(std::string_view programPath) override;
};

} // namespace orbelle
