#pragma once

#include "ports/MessageBoxPort.h"

namespace orbelle {

class QtMessageBox final : public MessageBoxPort {
public:
    void show(std::string_view prompt, std::string_view title, MessageIcon icon) override;
};

} // namespace orbelle
