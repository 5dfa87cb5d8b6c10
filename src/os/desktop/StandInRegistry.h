#pragma once

#include "ports/RegistryPort.h"

#include <optional>
#include <span>
#include <string>

namespace orbelle {

// The registry on a desktop that has none: it holds only the one value the About dialog
// asks for first, the tool's path (SysInfoKeys::kToolKey and kToolValue), naming the first
// of a few well-known system-information programs found on the search path, and nothing
// when none is installed. Texts are UTF-8, the code page of the desktop's file names.
class StandInRegistry final : public RegistryPort {
public:
    // Searches the PATH of the environment at each open.
    StandInRegistry() = default;
    // Searches the given list of folders instead, separated by ":".
    explicit StandInRegistry(std::string searchPath);

    RegistryStatus openKey(std::uint32_t root, std::string_view path, std::uint32_t access,
                           Key& key) override;
    RegistryStatus queryValue(Key key, std::string_view name, std::uint32_t& type,
                              std::span<std::uint8_t> data, std::uint32_t& size) override;
    void closeKey(Key key) override;
    std::string ansiToUtf8(std::string_view ansi) const override;

private:
    std::optional<std::string> findTool() const;

    std::optional<std::string> m_searchPath;
    std::string m_openToolPath; // the tool found when the key was opened
    bool m_keyOpen = false;
};

} // namespace orbelle
