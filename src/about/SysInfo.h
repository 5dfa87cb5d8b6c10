#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orbelle {

class FileTestPort;
class MessageBoxPort;
class ProgramStartPort;
class RegistryPort;

// Where the system-information tool is found under HKEY_LOCAL_MACHINE: the full path it
// registered itself under, or else the folder it was installed in.
namespace SysInfoKeys {
inline constexpr std::string_view kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr std::string_view kToolValue = "PATH";
inline constexpr std::string_view kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr std::string_view kFolderValue = "MSINFO";
} // namespace SysInfoKeys

// What the "Systeminfo" button reports when no tool can be found or started.
inline constexpr std::string_view kSysInfoUnavailable =
    "Systeminformationen sind momentan nicht verfügbar";

// How reading one registry value went.
enum class KeyValueRead {
    Read,
    Unreadable, // no such key or value, access refused, or longer than 1024 bytes
    Empty, // the value is there, with no bytes at all
};

// Reads one registry value into value: a text converted from the ANSI code page, or a
// DWORD as signed decimal text; any other type leaves value as it was passed in and
// still counts as read. Unless read, value is empty. Opens the key for reading only.
KeyValueRead GetKeyValue(RegistryPort& registry, std::uint32_t root, std::string_view keyPath,
                         std::string_view valueName, std::string& value);

// The ports the system-information launch goes through.
struct SysInfoPorts {
    RegistryPort& registry;
    FileTestPort& fileTest;
    ProgramStartPort& programStart;
    MessageBoxPort& messageBox;
};

// Starts the system-information tool found through the registry, or tells the user
// that it is unavailable. Never throws.
void StartSysInfo(const SysInfoPorts& ports);

} // namespace orbelle
