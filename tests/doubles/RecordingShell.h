#pragma once

#include "ports/ShellPort.h"

#include <string>
#include <vector>

namespace orbelle {

// Test double: remembers what the shell was asked to open instead of opening it.
class RecordingShell final : public ShellPort {
public:
    struct Request {
        std::uintptr_t ownerWindow;
        std::string file;
    };

    void open(std::uintptr_t ownerWindow, std::string_view file) override
    {
        ++attempts;
        if (!unavailable)
            requests.push_back({ownerWindow, std::string(file)});
    }

    std::vector<Request> requests; // what a working shell opened
    int attempts = 0;
    bool unavailable = false; // no program for mail or web addresses: requests go nowhere
};

} // namespace orbelle
