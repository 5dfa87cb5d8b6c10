#pragma once

#include "ports/MessageBoxPort.h"

#include <string>
#include <vector>

namespace orbelle {

// Test double: remembers every message instead of showing it.
class RecordingMessageBox final : public MessageBoxPort {
public:
    struct Message {
        std::string prompt;
        std::string title; // as the user would see it, so "Orbelle" when none was given
        MessageIcon icon;
    };

    void show(std::string_view prompt, std::string_view title, MessageIcon icon) override
    {
        messages.push_back(
            {std::string(prompt), std::string(title.empty() ? kApplicationTitle : title), icon});
    }

    std::vector<Message> messages;
};

} // namespace orbelle
