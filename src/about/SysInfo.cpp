#include "about/SysInfo.h"

#include "ports/FileTestPort.h"
#include "ports/MessageBoxPort.h"
#include "ports/ProgramStartPort.h"
#include "ports/RegistryPort.h"

#include <array>

namespace orbelle {

namespace {

constexpr std::size_t kValueBufferSize = 1024;

// The tool's file in the folder that SysInfoKeys::kFolderValue names.
constexpr std::string_view kToolFile = "\\MSINFO32.EXE";

// Closes an opened key however GetKeyValue is left, by an error of the port included.
class OpenKey {
public:
    OpenKey(RegistryPort& registry, RegistryPort::Key key)
        : m_registry(registry)
        , m_key(key)
    {
    }
    ~OpenKey() { m_registry.closeKey(m_key); }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

private:
    RegistryPort& m_registry;
    RegistryPort::Key m_key;
};

std::int32_t littleEndianInt32(const std::array<std::uint8_t, kValueBufferSize>& data)
{
    const std::uint32_t bits = static_cast<std::uint32_t>(data[0])
                               | static_cast<std::uint32_t>(data[1]) << 8
                               | static_cast<std::uint32_t>(data[2]) << 16
                               | static_cast<std::uint32_t>(data[3]) << 24;
    return static_cast<std::int32_t>(bits);
}

} // namespace

KeyValueRead GetKeyValue(RegistryPort& registry, std::uint32_t root, std::string_view keyPath,
                         std::string_view valueName, std::string& value)
{
    // The program only reads: asking for more is refused under HKEY_LOCAL_MACHINE to
    // every user without administrator rights.
    RegistryPort::Key key = 0;
    if (registry.openKey(root, keyPath, RegistryAccess::kRead, key) != kRegistrySuccess) {
        value.clear();
        return KeyValueRead::Unreadable;
    }
    const OpenKey closeOnExit(registry, key);

    std::array<std::uint8_t, kValueBufferSize> data{};
    std::uint32_t type = RegistryType::kNone;
    std::uint32_t size = 0;
    if (registry.queryValue(key, valueName, type, data, size) != kRegistrySuccess
        || size > data.size()) {
        value.clear();
        return KeyValueRead::Unreadable;
    }
    if (size == 0) {
        value.clear();
        return KeyValueRead::Empty;
    }

    // A text stored with its terminating zero loses just that zero.
    const std::size_t kept = data[size - 1] == 0 ? size - 1 : size;

    switch (type) {
    case RegistryType::kString:
        value = registry.ansiToUtf8(
            std::string_view(reinterpret_cast<const char*>(data.data()), kept));
        break;
    case RegistryType::kDword:
        // The buffer is zero-filled, so a shorter value still reads as a number.
        value = std::to_string(littleEndianInt32(data));
        break;
    default:
        break;
    }
    return KeyValueRead::Read;
}

namespace {

bool launchTool(const SysInfoPorts& ports)
{
    std::string path;
    switch (GetKeyValue(ports.registry, RegistryRoot::kLocalMachine, SysInfoKeys::kToolKey,
                        SysInfoKeys::kToolValue, path)) {
    case KeyValueRead::Read:
        // A tool path registered by the tool itself is trusted as it is.
        return ports.programStart.start(path);
    case KeyValueRead::Empty:
        // A tool registered with an empty path has always ended the search here.
        return false;
    case KeyValueRead::Unreadable:
        break;
    }
    if (GetKeyValue(ports.registry, RegistryRoot::kLocalMachine, SysInfoKeys::kFolderKey,
                    SysInfoKeys::kFolderValue, path)
        != KeyValueRead::Read)
        return false;
    // Appended unchanged, even after a folder that ends in a backslash.
    path.append(kToolFile);
    return ports.fileTest.isOrdinaryFile(path) && ports.programStart.start(path);
}

} // namespace

void StartSysInfo(const SysInfoPorts& ports)
{
    bool started = false;
    try {
        started = launchTool(ports);
    } catch (...) {
        // An error of a port or of the library (memory running out): the user hears the
        // same as for any other way the launch can fail.
    }
    if (!started)
        ports.messageBox.show(kSysInfoUnavailable);
}

} // namespace orbelle
