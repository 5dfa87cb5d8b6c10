#pragma once

#include "ports/ClipboardPort.h"

namespace orbelle {

// Test double: an in-memory clipboard that can be told to refuse writes, as a clipboard
// held open by another program does.
class FakeClipboard final : public ClipboardPort {
public:
    void clear() override
    {
        ++clearCount;
        if (!refuseWrites)
            content.clear();
    }
    void setText(std::string_view text) override
    {
        if (!refuseWrites)
            content = text;
    }
    std::string text() const override { return content; }

    std::string content;
    int clearCount = 0;
    bool refuseWrites = false;
};

} // namespace orbelle
