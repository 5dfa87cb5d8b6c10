// GetKeyValue over a registry that answers with arbitrary status codes, types, reported
// sizes and bytes: it never reads or writes outside its buffer, closes every key that it
// opened exactly once, asks for no write right, and leaves the value empty when it fails.

#include "FuzzCheck.h"
#include "about/SysInfo.h"
#include "ports/RegistryPort.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class ArbitraryRegistry final : public orbelle::RegistryPort {
public:
    explicit ArbitraryRegistry(FuzzedDataProvider& input)
        : m_input(input)
    {
    }

    orbelle::RegistryStatus openKey(std::uint32_t, std::string_view, std::uint32_t access,
                                    Key& key) override
    {
        FUZZ_CHECK((access & orbelle::RegistryAccess::kAnyWrite) == 0);
        const auto status = statusCode();
        if (status == orbelle::kRegistrySuccess) {
            key = ++m_lastKey;
            ++openKeys;
        }
        return status;
    }

    orbelle::RegistryStatus queryValue(Key key, std::string_view, std::uint32_t& type,
                                       std::span<std::uint8_t> data, std::uint32_t& size) override
    {
        FUZZ_CHECK(key == m_lastKey && openKeys == 1);
        type = m_input.ConsumeIntegral<std::uint32_t>();
        // The registry may report any size; it never writes more than the room offered.
        const std::vector<std::uint8_t> bytes = m_input.ConsumeBytes<std::uint8_t>(
            m_input.ConsumeIntegralInRange<std::size_t>(0, data.size() + 8));
        std::copy_n(bytes.begin(), std::min(bytes.size(), data.size()), data.begin());
        size = m_input.ConsumeBool() ? static_cast<std::uint32_t>(bytes.size())
                                     : m_input.ConsumeIntegral<std::uint32_t>();
        return statusCode();
    }

    void closeKey(Key key) override
    {
        FUZZ_CHECK(key == m_lastKey && openKeys == 1);
        --openKeys;
    }

    std::string ansiToUtf8(std::string_view ansi) const override { return std::string(ansi); }

    int openKeys = 0;

private:
    orbelle::RegistryStatus statusCode()
    {
        // Mostly success, so that the byte rules are reached.
        return m_input.ConsumeIntegralInRange<int>(0, 3) == 0
                   ? m_input.ConsumeIntegral<std::int32_t>()
                   : orbelle::kRegistrySuccess;
    }

    FuzzedDataProvider& m_input;
    Key m_lastKey = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    ArbitraryRegistry registry(input);
    std::string value = "unverändert";
    const orbelle::KeyValueRead read = orbelle::GetKeyValue(
        registry, orbelle::RegistryRoot::kLocalMachine, orbelle::SysInfoKeys::kToolKey,
        orbelle::SysInfoKeys::kToolValue, value);
    FUZZ_CHECK(read == orbelle::KeyValueRead::Read || value.empty());
    FUZZ_CHECK(registry.openKeys == 0);
    return 0;
}
