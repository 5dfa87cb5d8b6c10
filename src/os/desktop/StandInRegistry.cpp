#include "os/desktop/StandInRegistry.h"

#include "about/SysInfo.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace orbelle {

namespace {

constexpr RegistryPort::Key kToolKeyHandle = 1;

// The programs looked for, in order of preference.
constexpr std::array<std::string_view, 9> kKnownTools = {
    "hardinfo2",
    "hardinfo",
    "kinfocenter",
    "cpu-x",
    "i-nex",
    "lshw-gtk",
    "gnome-system-monitor",
    "mate-system-monitor",
    "xfce4-taskmanager",
};

bool isExecutableFile(const std::filesystem::path& file)
{
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (error || !std::filesystem::is_regular_file(status))
        return false;
    using std::filesystem::perms;
    return (status.permissions() & (perms::owner_exec | perms::group_exec | perms::others_exec))
           != perms::none;
}

} // namespace

StandInRegistry::StandInRegistry(std::string searchPath)
    : m_searchPath(std::move(searchPath))
{
}

std::optional<std::string> StandInRegistry::findTool() const
{
    std::string searchPath;
    if (m_searchPath) {
        searchPath = *m_searchPath;
    } else if (const char* environment = std::getenv("PATH")) {
        searchPath = environment;
    }
    for (const std::string_view tool : kKnownTools) {
        std::size_t start = 0;
        while (start <= searchPath.size()) {
            const std::size_t end = std::min(searchPath.find(':', start), searchPath.size());
            const std::string folder = searchPath.substr(start, end - start);
            start = end + 1;
            // An empty entry would mean the current folder: never trusted for a tool.
            if (folder.empty() || folder.front() != '/')
                continue;
            const std::filesystem::path candidate = std::filesystem::path(folder) / tool;
            if (isExecutableFile(candidate))
                return candidate.string();
        }
    }
    return std::nullopt;
}

RegistryStatus StandInRegistry::openKey(std::uint32_t root, std::string_view path,
                                        std::uint32_t access, Key& key)
{
    if (root != RegistryRoot::kLocalMachine || path != SysInfoKeys::kToolKey)
        return kRegistryNotFound;
    // Like the real machine: the user may read this key but not change it.
    if (access & RegistryAccess::kAnyWrite)
        return kRegistryAccessDenied;
    const std::optional<std::string> tool = findTool();
    if (!tool)
        return kRegistryNotFound;
    m_openToolPath = *tool;
    m_keyOpen = true;
    key = kToolKeyHandle;
    return kRegistrySuccess;
}

RegistryStatus StandInRegistry::queryValue(Key key, std::string_view name, std::uint32_t& type,
                                           std::span<std::uint8_t> data, std::uint32_t& size)
{
    if (key != kToolKeyHandle || !m_keyOpen)
        return kRegistryInvalidHandle;
    if (name != SysInfoKeys::kToolValue)
        return kRegistryNotFound;
    // Stored as Windows stores a text: with its terminating zero.
    const std::size_t needed = m_openToolPath.size() + 1;
    type = RegistryType::kString;
    size = static_cast<std::uint32_t>(needed);
    if (needed > data.size())
        return kRegistryMoreData;
    std::copy(m_openToolPath.begin(), m_openToolPath.end(), data.begin());
    data[m_openToolPath.size()] = 0;
    return kRegistrySuccess;
}

void StandInRegistry::closeKey(Key key)
{
    if (key == kToolKeyHandle)
        m_keyOpen = false;
}

std::string StandInRegistry::ansiToUtf8(std::string_view ansi) const
{
    return std::string(ansi);
}

} // namespace orbelle
