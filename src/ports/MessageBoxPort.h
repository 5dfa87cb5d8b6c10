#pragma once

#include "OrbelleVersion.h"

#include <string_view>

namespace orbelle {

enum class MessageIcon { None, Information, Warning };

// Title shown by a message box that names none of its own.
inline constexpr std::string_view kApplicationTitle = kProductName;

// A modal message box with a single OK button. Returns when the user has confirmed.
class MessageBoxPort {
public:
    virtual ~MessageBoxPort() = default;
    virtual void show(std::string_view prompt, std::string_view title = {},
                      MessageIcon icon = MessageIcon::None) = 0;
};

} // namespace orbelle
