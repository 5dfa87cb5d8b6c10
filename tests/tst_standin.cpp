// The stand-ins for the Windows registry and file test on desktops without them: the
// system-information program found on the search path, and the ordinary-file test.

#include "check/Check.h"

#include "about/SysInfo.h"
#include "platform/FakeProgramStart.h"
#include "platform/RecordingMessageBox.h"
#include "platform/StandInRegistry.h"
#include "platform/StdFileTest.h"

#include <filesystem>
#include <fstream>
#include <random>

using namespace orbelle;
namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t kHklm = RegistryRoot::kLocalMachine;
const std::string kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

// A folder of its own under the system's temporary folder, removed at the end.
class ScratchFolder {
public:
    ScratchFolder()
        : m_path(fs::temp_directory_path()
                 / ("orbelle-standin-" + std::to_string(std::random_device{}())))
    {
        fs::create_directories(m_path);
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const fs::path& path() const { return m_path; }

    fs::path file(const std::string& relative, bool executable) const
    {
        const fs::path file = m_path / relative;
        fs::create_directories(file.parent_path());
        std::ofstream(file) << "#!/bin/sh\n";
        fs::permissions(file,
                        executable ? fs::perms::owner_all : fs::perms::owner_read | fs::perms::owner_write);
        return file;
    }

private:
    fs::path m_path;
};

std::string readTool(StandInRegistry& registry, bool& found)
{
    std::string value;
    found = GetKeyValue(registry, kHklm, kToolKey, "PATH", value);
    return value;
}

} // namespace

GROUP(registryNamesTheFirstKnownToolOnThePath)
{
    ScratchFolder scratch;
    const fs::path early = scratch.path() / "early";
    const fs::path late = scratch.path() / "late dir";
    scratch.file("early/gnome-system-monitor", true);
    const fs::path preferred = scratch.file("late dir/hardinfo", true);
    scratch.file("early/hardinfo", false); // not executable: not a program

    StandInRegistry registry(early.string() + ":" + late.string());
    bool found = false;
    const std::string tool = readTool(registry, found);
    CHECK(found);
    // hardinfo comes before the system monitor in the list, wherever it stands on the path.
    CHECK_EQ(tool, preferred.string());
}

GROUP(registryIsEmptyWithoutAKnownTool)
{
    ScratchFolder scratch;
    scratch.file("bin/msinfo32", true);
    scratch.file("bin/hardinfo-helper", true);
    struct Row {
        const char* name;
        std::string searchPath;
    };
    const Row rows[] = {
        {"no known tool", (scratch.path() / "bin").string()},
        {"empty search path", ""},
        {"relative folders are never searched", "bin:."},
    };
    for (const Row& row : rows) {
        CASE(row.name);
        StandInRegistry registry(row.searchPath);
        bool found = true;
        CHECK_EQ(readTool(registry, found), "");
        CHECK(!found);
    }
}

GROUP(registryHoldsNothingElse)
{
    ScratchFolder scratch;
    scratch.file("bin/kinfocenter", true);
    StandInRegistry registry((scratch.path() / "bin").string());
    std::string value;
    CHECK(!GetKeyValue(registry, kHklm, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                       value));
    CHECK(!GetKeyValue(registry, RegistryRoot::kCurrentUser, kToolKey, "PATH", value));
    CHECK(!GetKeyValue(registry, kHklm, kToolKey, "Path2", value));
    RegistryPort::Key key = 0;
    CHECK_EQ(registry.openKey(kHklm, kToolKey, RegistryAccess::kRead | RegistryAccess::kSetValue,
                              key),
             kRegistryAccessDenied);
}

GROUP(sysInfoStartsTheDesktopTool)
{
    ScratchFolder scratch;
    const fs::path tool = scratch.file("bin/cpu-x", true);
    StandInRegistry registry((scratch.path() / "bin").string());
    StdFileTest fileTest;
    FakeProgramStart programStart;
    programStart.programs.insert(tool.string());
    RecordingMessageBox messageBox;
    StartSysInfo({registry, fileTest, programStart, messageBox});
    CHECK_EQ(programStart.started, std::vector<std::string>{tool.string()});
    CHECK(messageBox.messages.empty());
}

GROUP(fileTestAcceptsOrdinaryFilesOnly)
{
    ScratchFolder scratch;
    const fs::path file = scratch.file("tools/MSINFO32.EXE", false);
    scratch.file("tools/.hidden", false);
    fs::create_directories(scratch.path() / "folder.exe");
    fs::create_symlink(file, scratch.path() / "link.exe");
    struct Row {
        const char* name;
        std::string path;
        bool ordinary;
    };
    const Row rows[] = {
        {"ordinary file", file.string(), true},
        {"link to an ordinary file", (scratch.path() / "link.exe").string(), true},
        {"missing file", (scratch.path() / "tools/none.exe").string(), false},
        {"folder", (scratch.path() / "folder.exe").string(), false},
        {"hidden file", (scratch.path() / "tools/.hidden").string(), false},
        {"empty path", "", false},
    };
    StdFileTest fileTest;
    for (const Row& row : rows) {
        CASE(row.name);
        CHECK_EQ(fileTest.isOrdinaryFile(row.path), row.ordinary);
    }
}

CHECK_MAIN
