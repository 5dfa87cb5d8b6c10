#pragma once

#include "ports/ClipboardPort.h"

namespace orbelle {

class QtClipboard final : public ClipboardPort {
public:
    void clear() override;
    void setText(std::string_view text) override;
    std::string text() const override;
};

} // namespace orbelle
