// The stand-ins for the Windows registry and file test on desktops without them: the
// system-information program found on the search path, and the ordinary-file test; and the
// search path the program keeps for itself at start.

#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest.h>

#include "about/SysInfo.h"
#include "os/desktop/SearchPath.h"
#include "os/desktop/StandInRegistry.h"
#include "os/desktop/StdFileTest.h"

#include <filesystem>
#include <fstream>
#include <random>

using namespace orbelle;
namespace fs = std::filesystem;

namespace {

const std::string kToolKey(SysInfoKeys::kToolKey);
const std::string kToolValue(SysInfoKeys::kToolValue);

// A folder of this run under the system's temporary folder, removed at the end.
struct Scratch {
    const fs::path root = fs::temp_directory_path()
                          / ("orbelle-standin-" + std::to_string(std::random_device{}()));
    ~Scratch() { fs::remove_all(root, ignored); }
    std::error_code ignored;

    std::string file(const std::string& relative, bool executable = true) const
    {
        fs::create_directories((root / relative).parent_path());
        std::ofstream(root / relative) << "#!/bin/sh\n";
        fs::permissions(root / relative, executable ? fs::perms::owner_all : fs::perms::owner_read);
        return (root / relative).string();
    }
};

} // namespace

TEST_CASE("registryHoldsTheFirstKnownToolOnThePathOnly")
{
    Scratch scratch;
    const std::string monitor = scratch.file("early/gnome-system-monitor");
    scratch.file("early/hardinfo", false); // not executable: not a program
    const std::string hardinfo = scratch.file("late dir/hardinfo");
    scratch.file("other/msinfo32");
    scratch.file("other/hardinfo-helper");
    // Relative folders would find the tools from here.
    const fs::path previous = fs::current_path();
    fs::current_path(scratch.root);
    const std::string early = (scratch.root / "early").string();
    const std::pair<std::string, std::string> rows[] = {
        // hardinfo comes before the system monitor in the list, wherever it stands on the path.
        {early + ":" + (scratch.root / "late dir").string(), hardinfo},
        {early, monitor},
        {(scratch.root / "other").string(), ""},
        {"", ""},
        {"early:.", ""},
    };
    // Pairs, not structured bindings: INFO captures its arguments in a lambda, which clang
    // before 16 does not allow for a binding.
    for (const auto& row : rows) {
        const std::string& searchPath = row.first;
        const std::string& tool = row.second;
        INFO("search path '", searchPath, "'");
        StandInRegistry registry(searchPath);
        std::string value = "left over";
        CHECK_EQ(GetKeyValue(registry, RegistryRoot::kLocalMachine, kToolKey, kToolValue, value),
                 tool.empty() ? KeyValueRead::Unreadable : KeyValueRead::Read);
        CHECK_EQ(value, tool);
        CHECK_EQ(GetKeyValue(registry, RegistryRoot::kCurrentUser, kToolKey, kToolValue, value),
                 KeyValueRead::Unreadable);
        CHECK_EQ(GetKeyValue(registry, RegistryRoot::kLocalMachine, kToolKey, "Path2", value),
                 KeyValueRead::Unreadable);
        RegistryPort::Key key = 0;
        CHECK_EQ(
            registry.openKey(RegistryRoot::kLocalMachine, kToolKey, RegistryAccess::kSetValue, key),
            kRegistryAccessDenied);
    }
    fs::current_path(previous);
}

TEST_CASE("fileTestAcceptsOrdinaryFilesOnly")
{
    Scratch scratch;
    const std::string file = scratch.file("tools/MSINFO32.EXE", false);
    fs::create_directories(scratch.root / "folder.exe");
    fs::create_symlink(file, scratch.root / "link.exe");
    const std::pair<std::string, bool> rows[] = {
        {file, true},
        {(scratch.root / "link.exe").string(), true},
        {scratch.file("tools/.hidden", false), false},
        {(scratch.root / "tools/none.exe").string(), false},
        {(scratch.root / "folder.exe").string(), false},
        {"", false},
    };
    for (const auto& row : rows) {
        INFO(row.first);
        CHECK_EQ(StdFileTest().isOrdinaryFile(row.first), row.second);
    }
}

TEST_CASE("searchPathKeepsAbsoluteFoldersOnly")
{
    const std::pair<std::string, std::string> rows[] = {
        {":/usr/bin:/bin", "/usr/bin:/bin"},     {"/usr/bin::/bin:", "/usr/bin:/bin"},
        {".:bin:/opt/tools:../x", "/opt/tools"}, {"", ""},
        {"/usr/local/bin", "/usr/local/bin"},
    };
    for (const auto& row : rows) {
        INFO("PATH '", row.first, "'");
        CHECK_EQ(absoluteSearchPath(row.first), row.second);
    }
}
