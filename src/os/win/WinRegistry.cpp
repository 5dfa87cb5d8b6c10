#include "os/win/WinRegistry.h"

#include "os/win/WinText.h"

#include <windows.h>

#include <climits>

namespace orbelle {

namespace {

// The predefined roots are 32-bit values that Windows sign-extends to a 64-bit handle,
// as its own HKEY_LOCAL_MACHINE macro does.
HKEY rootHandle(std::uint32_t root)
{
    return reinterpret_cast<HKEY>(
        static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<std::int32_t>(root))));
}

} // namespace

RegistryStatus WinRegistry::openKey(std::uint32_t root, std::string_view path, std::uint32_t access,
                                    Key& key)
{
    const std::string ansiPath = utf8ToAnsi(path);
    HKEY handle = nullptr;
    const LONG status = RegOpenKeyExA(rootHandle(root), ansiPath.c_str(), 0, access, &handle);
    if (status == ERROR_SUCCESS)
        key = reinterpret_cast<Key>(handle);
    return static_cast<RegistryStatus>(status);
}

RegistryStatus WinRegistry::queryValue(Key key, std::string_view name, std::uint32_t& type,
                                       std::span<std::uint8_t> data, std::uint32_t& size)
{
    const std::string ansiName = utf8ToAnsi(name);
    DWORD valueType = REG_NONE;
    DWORD valueSize = data.size() > ULONG_MAX ? ULONG_MAX : static_cast<DWORD>(data.size());
    const LONG status = RegQueryValueExA(reinterpret_cast<HKEY>(key), ansiName.c_str(), nullptr,
                                         &valueType, data.data(), &valueSize);
    type = valueType;
    size = valueSize;
    return static_cast<RegistryStatus>(status);
}

void WinRegistry::closeKey(Key key)
{
    RegCloseKey(reinterpret_cast<HKEY>(key));
}

std::string WinRegistry::ansiToUtf8(std::string_view ansi) const
{
    return orbelle::ansiToUtf8(ansi);
}

} // namespace orbelle
