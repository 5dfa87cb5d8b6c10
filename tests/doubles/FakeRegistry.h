#pragma once

#include "ports/RegistryPort.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace orbelle {

// Test double: an in-memory registry that behaves like Windows towards a standard user,
// who may read HKEY_LOCAL_MACHINE but is refused every key opened with a write right
// there. It remembers every open with its access mask and which keys are still open.
class FakeRegistry final : public RegistryPort {
public:
    struct Value {
        std::uint32_t type = RegistryType::kString;
        std::vector<std::uint8_t> data;
    };
    struct OpenCall {
        std::uint32_t root;
        std::string path;
        std::uint32_t access;
    };

    void setValue(std::uint32_t root, const std::string& path, const std::string& name,
                  std::uint32_t type, std::vector<std::uint8_t> data)
    {
        m_keys[{root, path}][name] = Value{type, std::move(data)};
    }

    // A text value as a program would store it, with or without its terminating zero.
    void setText(std::uint32_t root, const std::string& path, const std::string& name,
                 std::string_view ansi, bool terminated = true,
                 std::uint32_t type = RegistryType::kString)
    {
        std::vector<std::uint8_t> data(ansi.begin(), ansi.end());
        if (terminated)
            data.push_back(0);
        setValue(root, path, name, type, std::move(data));
    }

    // A key that exists but holds no values.
    void addKey(std::uint32_t root, const std::string& path) { m_keys[{root, path}]; }

    // RegistryPort
    RegistryStatus openKey(std::uint32_t root, std::string_view path, std::uint32_t access,
                           Key& key) override
    {
        opens.push_back({root, std::string(path), access});
        const auto it = m_keys.find({root, std::string(path)});
        if (it == m_keys.end())
            return kRegistryNotFound;
        if (refusedKeys.count(std::string(path))
            || (root == RegistryRoot::kLocalMachine && (access & RegistryAccess::kAnyWrite)))
            return kRegistryAccessDenied;
        key = m_nextKey++;
        m_open[key] = &it->second;
        return kRegistrySuccess;
    }

    RegistryStatus queryValue(Key key, std::string_view name, std::uint32_t& type,
                              std::span<std::uint8_t> data, std::uint32_t& size) override
    {
        const auto open = m_open.find(key);
        if (open == m_open.end())
            return kRegistryInvalidHandle;
        const auto value = open->second->find(std::string(name));
        if (value == open->second->end())
            return kRegistryNotFound;
        type = value->second.type;
        size = static_cast<std::uint32_t>(value->second.data.size());
        if (value->second.data.size() > data.size())
            return kRegistryMoreData;
        std::copy(value->second.data.begin(), value->second.data.end(), data.begin());
        if (reportedSize)
            size = *reportedSize;
        return kRegistrySuccess;
    }

    void closeKey(Key key) override
    {
        ++closeCount;
        if (m_open.erase(key) == 0)
            ++badCloseCount;
    }

    // Windows-1252, the ANSI code page of German Windows.
    std::string ansiToUtf8(std::string_view ansi) const override
    {
        static constexpr char16_t k80to9F[32] = {
            0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
            0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
            0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
        std::string utf8;
        for (const char c : ansi) {
            const auto byte = static_cast<unsigned char>(c);
            const char16_t code = byte >= 0x80 && byte < 0xA0 ? k80to9F[byte - 0x80] : byte;
            if (code < 0x80) {
                utf8 += static_cast<char>(code);
            } else if (code < 0x800) {
                utf8 += static_cast<char>(0xC0 | (code >> 6));
                utf8 += static_cast<char>(0x80 | (code & 0x3F));
            } else {
                utf8 += static_cast<char>(0xE0 | (code >> 12));
                utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                utf8 += static_cast<char>(0x80 | (code & 0x3F));
            }
        }
        return utf8;
    }

    std::size_t openKeyCount() const { return m_open.size(); }

    std::vector<OpenCall> opens;
    std::set<std::string> refusedKeys; // key paths refused whatever is asked for
    std::optional<std::uint32_t> reportedSize; // a registry that misreports sizes
    int closeCount = 0;
    int badCloseCount = 0; // closes of keys that were not open

private:
    std::map<std::tuple<std::uint32_t, std::string>, std::map<std::string, Value>> m_keys;
    std::map<Key, std::map<std::string, Value>*> m_open;
    Key m_nextKey = 0x100;
};

} // namespace orbelle
