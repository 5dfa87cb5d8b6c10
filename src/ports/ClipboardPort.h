#pragma once

#include <string>
#include <string_view>

namespace orbelle {

// The system clipboard, plain text only.
class ClipboardPort {
public:
    virtual ~ClipboardPort() = default;
    // Removes every format that an earlier owner left there.
    virtual void clear() = 0;
    virtual void setText(std::string_view text) = 0;
    // What a paste elsewhere would get as plain text now.
    virtual std::string text() const = 0;
};

} // namespace orbelle
