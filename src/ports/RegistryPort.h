#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace orbelle {

// Status codes as the Windows registry reports them: 0 is success, anything else failure.
using RegistryStatus = std::int32_t;
inline constexpr RegistryStatus kRegistrySuccess = 0;
inline constexpr RegistryStatus kRegistryNotFound = 2; // ERROR_FILE_NOT_FOUND
inline constexpr RegistryStatus kRegistryAccessDenied = 5; // ERROR_ACCESS_DENIED
inline constexpr RegistryStatus kRegistryInvalidHandle = 6; // ERROR_INVALID_HANDLE
inline constexpr RegistryStatus kRegistryMoreData = 234; // ERROR_MORE_DATA

// The predefined root keys, as 32-bit handles.
namespace RegistryRoot {
inline constexpr std::uint32_t kCurrentUser = 0x80000001;
inline constexpr std::uint32_t kLocalMachine = 0x80000002;
} // namespace RegistryRoot

// Value types as the registry stores them.
namespace RegistryType {
inline constexpr std::uint32_t kNone = 0;
inline constexpr std::uint32_t kString = 1; // REG_SZ
inline constexpr std::uint32_t kExpandString = 2; // REG_EXPAND_SZ
inline constexpr std::uint32_t kBinary = 3; // REG_BINARY
inline constexpr std::uint32_t kDword = 4; // REG_DWORD, little-endian
} // namespace RegistryType

// Access rights that can be asked for when a key is opened.
namespace RegistryAccess {
inline constexpr std::uint32_t kQueryValue = 0x0001;
inline constexpr std::uint32_t kSetValue = 0x0002;
inline constexpr std::uint32_t kCreateSubKey = 0x0004;
inline constexpr std::uint32_t kEnumerateSubKeys = 0x0008;
inline constexpr std::uint32_t kNotify = 0x0010;
inline constexpr std::uint32_t kCreateLink = 0x0020;
inline constexpr std::uint32_t kDelete = 0x0001'0000;
inline constexpr std::uint32_t kReadControl = 0x0002'0000;
inline constexpr std::uint32_t kWriteDac = 0x0004'0000;
inline constexpr std::uint32_t kWriteOwner = 0x0008'0000;
inline constexpr std::uint32_t kMaximumAllowed = 0x0200'0000;
inline constexpr std::uint32_t kGenericAll = 0x1000'0000;
inline constexpr std::uint32_t kGenericWrite = 0x4000'0000;
// KEY_READ: what a program that only reads needs.
inline constexpr std::uint32_t kRead = kReadControl | kQueryValue | kEnumerateSubKeys | kNotify;
// Every right that changes a key or could lead to a change.
inline constexpr std::uint32_t kAnyWrite = kSetValue | kCreateSubKey | kCreateLink | kDelete
                                           | kWriteDac | kWriteOwner | kMaximumAllowed | kGenericAll
                                           | kGenericWrite;
} // namespace RegistryAccess

// The Windows registry: open a key, read one value raw, close the key.
class RegistryPort {
public:
    // An open key; meaningful only to the registry that handed it out.
    using Key = std::uintptr_t;

    virtual ~RegistryPort() = default;

    virtual RegistryStatus openKey(std::uint32_t root, std::string_view path, std::uint32_t access,
                                   Key& key) = 0;

    // Copies the value's bytes to the start of data (whose size is the room offered) and
    // reports its type and size. A value larger than data fails with kRegistryMoreData.
    virtual RegistryStatus queryValue(Key key, std::string_view name, std::uint32_t& type,
                                      std::span<std::uint8_t> data, std::uint32_t& size) = 0;

    virtual void closeKey(Key key) = 0;

    // Text values arrive in the system's ANSI code page; the program works in UTF-8.
    virtual std::string ansiToUtf8(std::string_view ansi) const = 0;
};

} // namespace orbelle
