#include "platform/Platform.h"

#include "platform/FileTestPort.h"
#include "platform/ProgramStartPort.h"
#include "platform/RegistryPort.h"
#include "platform/ShellPort.h"

namespace orbelle {

namespace {

// A machine with nothing registered, nothing installed and no shell.
class AbsentRegistry final : public RegistryPort {
public:
    RegistryStatus openKey(std::uint32_t, std::string_view, std::uint32_t, Key&) override
    {
        return kRegistryNotFound;
    }
    RegistryStatus queryValue(Key, std::string_view, std::uint32_t&, std::span<std::uint8_t>,
                              std::uint32_t&) override
    {
        return kRegistryInvalidHandle;
    }
    void closeKey(Key) override {}
    std::string ansiToUtf8(std::string_view ansi) const override { return std::string(ansi); }
};

class AbsentShell final : public ShellPort {
public:
    void open(std::uintptr_t, std::string_view) override {}
};

class AbsentProgramStart final : public ProgramStartPort {
public:
    bool start(std::string_view) override { return false; }
};

class AbsentFileTest final : public FileTestPort {
public:
    bool isOrdinaryFile(std::string_view) const override { return false; }
};

} // namespace

RegistryPort& absentRegistry()
{
    static AbsentRegistry registry;
    return registry;
}

ShellPort& absentShell()
{
    static AbsentShell shell;
    return shell;
}

ProgramStartPort& absentProgramStart()
{
    static AbsentProgramStart programStart;
    return programStart;
}

FileTestPort& absentFileTest()
{
    static AbsentFileTest fileTest;
    return fileTest;
}

} // namespace orbelle
