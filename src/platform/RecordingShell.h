#pragma once

#include "platform/ShellPort.h"

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
        requests.push_back({ownerWindow, std::string(file)});
    }

    std::vector<Request> requests;
};

} // namespace orbelle
