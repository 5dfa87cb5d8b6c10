#pragma once

#include "ports/ProgramStartPort.h"

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace orbelle {

// Test double: "starts" only the programs it was told exist, and remembers every try.
class FakeProgramStart final : public ProgramStartPort {
public:
    bool start(std::string_view programPath) override
    {
        attempts.emplace_back(programPath);
        if (raiseError)
            throw std::runtime_error("program start failed");
        if (!programs.count(std::string(programPath)))
            return false;
        started.emplace_back(programPath);
        return true;
    }

    std::set<std::string> programs; // the program files that exist
    std::vector<std::string> attempts; // every path asked for
    std::vector<std::string> started; // the paths that did start
    bool raiseError = false; // the platform raises an error instead of failing
};

} // namespace orbelle
