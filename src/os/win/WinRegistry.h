#pragma once

#include "ports/RegistryPort.h"

namespace orbelle {

// The Windows registry through advapi32's ANSI calls.
class WinRegistry final : public RegistryPort {
public:
    RegistryStatus openKey(std::uint32_t root, std::string_view path, std::uint32_t access,
                           Key& key) override;
    RegistryStatus queryValue(Key key, std::string_view name, std::uint32_t& type,
                              std::span<std::uint8_t> data, std::uint32_t& size) override;
    void closeKey(Key key) override;
    std::string ansiToUtf8(std::string_view ansi) const override;
};

} // namespace orbelle
