// The Windows platform layer against the real thing, run under Wine: the registry read
// byte by byte, the system-information launch through the real keys, process start,
// file test and shell, and the version record compiled into this very program.

#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest.h>

#include "about/SysInfo.h"
#include "doubles/RecordingMessageBox.h"
#include "os/win/WinFileTest.h"
#include "os/win/WinProgramStart.h"
#include "os/win/WinRegistry.h"
#include "os/win/WinShell.h"
#include "os/win/WinText.h"

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>

using namespace orbelle;

namespace {

// The keys Windows has, spelt here on purpose: this is the test that the program reads them.
const char* const kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const char* const kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

HKEY root(std::uint32_t handle)
{
    return reinterpret_cast<HKEY>(
        static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<std::int32_t>(handle))));
}

std::string ownPath()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

std::string folderOf(const std::string& path)
{
    return path.substr(0, path.find_last_of('\\'));
}

// A folder of this run under the temporary folder, with a blank in its name.
struct Scratch {
    std::string path;
    Scratch()
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        path = std::string(temp) + "orbelle wine " + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(path.c_str(), nullptr);
    }
    ~Scratch()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

const std::string& scratch()
{
    static const Scratch folder;
    return folder.path;
}

// A copy of the child program, which writes down how it was started, under the scratch folder.
std::string copyChild(const std::string& relative)
{
    const std::string target = scratch() + "\\" + relative;
    CreateDirectoryA(folderOf(target).c_str(), nullptr);
    CopyFileA((folderOf(ownPath()) + "\\orbelle_wine_child.exe").c_str(), target.c_str(), FALSE);
    return target;
}

std::string reportPath()
{
    return scratch() + "\\child-report.txt";
}

void expectNewReport()
{
    DeleteFileA(reportPath().c_str());
    SetEnvironmentVariableA("ORBELLE_CHILD_REPORT", reportPath().c_str());
}

// The child's report ("self", "show", "commandline"), or nothing if it did not run in time.
std::map<std::string, std::string> childReport(DWORD milliseconds = 20000)
{
    std::map<std::string, std::string> report;
    for (DWORD waited = 0; report.empty() && waited <= milliseconds; waited += 50) {
        std::ifstream in(reportPath());
        for (std::string line; std::getline(in, line);)
            report[line.substr(0, line.find('='))] = line.substr(line.find('=') + 1);
        if (report.empty())
            Sleep(50);
    }
    return report;
}

bool sameFile(const std::string& a, const std::string& b)
{
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// A key of this run under HKEY_CURRENT_USER, removed with everything in it at the end.
struct TestKey {
    const std::string path = "Software\\OrbelleTest " + std::to_string(GetCurrentProcessId());
    HKEY key = nullptr;

    TestKey()
    {
        RegCreateKeyExA(root(RegistryRoot::kCurrentUser), path.c_str(), 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr);
    }
    ~TestKey()
    {
        RegCloseKey(key);
        RegDeleteTreeA(root(RegistryRoot::kCurrentUser), path.c_str());
    }

    // RegSetValueExA counts a terminating zero in for a text whose next byte is zero, so a
    // text meant to be stored without one is followed by a non-zero guard byte.
    void set(const char* name, DWORD type, const std::string& bytes)
    {
        const std::string guarded = bytes + 'G';
        RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(guarded.data()),
                       static_cast<DWORD>(bytes.size()));
    }

    DWORD storedSize(const char* name) const
    {
        DWORD size = 0;
        RegQueryValueExA(key, name, nullptr, nullptr, nullptr, &size);
        return size;
    }
};

// Sets or, given an empty text, removes one of the values the launch reads. Wine's prefix
// belongs to this build (see CMakeLists.txt), so nothing of the machine's is lost.
void setLaunchValue(const char* key, const char* name, const std::string& utf8)
{
    const HKEY hklm = root(RegistryRoot::kLocalMachine);
    const std::string ansi = utf8ToAnsi(utf8);
    if (utf8.empty())
        RegDeleteKeyValueA(hklm, key, name);
    else
        RegSetKeyValueA(hklm, key, name, REG_SZ, ansi.c_str(), static_cast<DWORD>(ansi.size() + 1));
}

} // namespace

TEST_CASE("getKeyValueReadsTheRealRegistry")
{
    TestKey key;
    using enum KeyValueRead;
    struct Row {
        const char* name;
        DWORD type;
        std::string bytes;
        KeyValueRead outcome;
        std::string value;
    };
    const Row rows[] = {
        {"text with zero", REG_SZ, {"C:\\Tools\\x.exe\0", 15}, Read, "C:\\Tools\\x.exe"},
        {"text without zero", REG_SZ, "C:\\Tools\\x.exe", Read, "C:\\Tools\\x.exe"},
        {"ansi text",
         REG_SZ,
         {"Gr\xFC\xDF"
          "e\0",
          6},
         Read,
         "Grüße"},
        {"dword 256", REG_DWORD, {"\x00\x01\x00\x00", 4}, Read, "256"},
        {"dword 1", REG_DWORD, {"\x01\x00\x00\x00", 4}, Read, "1"},
        {"dword lowest", REG_DWORD, {"\x00\x00\x00\x80", 4}, Read, "-2147483648"},
        {"expandable", REG_EXPAND_SZ, {"%SystemRoot%\\x.exe\0", 19}, Read, "as passed"},
        {"binary 1025", REG_BINARY, std::string(1025, 'b'), Unreadable, ""},
        {"empty text", REG_SZ, "", Empty, ""},
    };
    for (const Row& row : rows)
        key.set(row.name, row.type, row.bytes);
    // What was stored: the guard byte kept the registry from adding a zero.
    CHECK_EQ(key.storedSize("text without zero"), 14u);

    WinRegistry registry;
    for (const Row& row : rows) {
        INFO(row.name);
        std::string value = "as passed";
        CHECK_EQ(GetKeyValue(registry, RegistryRoot::kCurrentUser, key.path, row.name, value),
                 row.outcome);
        CHECK_EQ(value, row.value);
    }
    for (const auto& [keyPath, name] :
         {std::pair{key.path, "no such value"}, std::pair{key.path + "\\missing", "x"}}) {
        INFO(name);
        std::string value = "as passed";
        CHECK_EQ(GetKeyValue(registry, RegistryRoot::kCurrentUser, keyPath, name, value),
                 Unreadable);
        CHECK_EQ(value, "");
    }
}

TEST_CASE("startSysInfoThroughTheRealKeys")
{
    const std::string tool = copyChild("registered tool\\msinfo 32 & co.exe");
    const std::string folder = scratch() + "\\MSInfo folder";
    const std::string folderTool = copyChild("MSInfo folder\\MSINFO32.EXE");
    const std::string emptyFolder = scratch() + "\\empty folder";
    CreateDirectoryA(emptyFolder.c_str(), nullptr);
    struct Row {
        const char* name;
        std::string path; // "PATH" under the tool key; empty for none
        std::string folder; // "MSINFO" under the folder key; empty for none
        bool hidden; // the folder's MSINFO32.EXE hidden
        std::string started; // empty: the message instead
    };
    const Row rows[] = {
        {"PATH names the tool", tool, "", false, tool},
        {"folder holds MSINFO32.EXE", "", folder, false, folderTool},
        {"folder without MSINFO32.EXE", "", emptyFolder, false, ""},
        {"PATH to a missing file, folder not consulted", scratch() + "\\gone\\msinfo32.exe", folder,
         false, ""},
        {"MSINFO32.EXE hidden", "", folder, true, ""},
        {"nothing registered", "", "", false, ""},
    };
    for (const Row& row : rows) {
        INFO(row.name);
        setLaunchValue(kToolKey, "PATH", row.path);
        setLaunchValue(kFolderKey, "MSINFO", row.folder);
        SetFileAttributesA(folderTool.c_str(),
                           row.hidden ? FILE_ATTRIBUTE_HIDDEN : FILE_ATTRIBUTE_NORMAL);
        WinRegistry registry;
        WinFileTest fileTest;
        WinProgramStart programStart;
        RecordingMessageBox messageBox;
        expectNewReport();
        StartSysInfo({registry, fileTest, programStart, messageBox});
        CHECK_EQ(messageBox.messages.size(), row.started.empty() ? 1u : 0u);
        auto report = childReport(row.started.empty() ? 1000 : 20000);
        CHECK((row.started.empty() ? report.empty() : sameFile(report["self"], row.started)));
        if (!row.started.empty())
            CHECK_EQ(report["show"], std::to_string(SW_SHOWNORMAL));
    }
    SetFileAttributesA(folderTool.c_str(), FILE_ATTRIBUTE_NORMAL);
    setLaunchValue(kToolKey, "PATH", "");
    setLaunchValue(kFolderKey, "MSINFO", "");
}

TEST_CASE("programStartTakesThePathLiterally")
{
    WinProgramStart start;
    const std::string tool = copyChild("a & b (x)\\tool; echo %PATH%.exe");
    expectNewReport();
    CHECK(start.start(tool));
    auto report = childReport();
    CHECK(sameFile(report["self"], tool));
    CHECK_EQ(report["commandline"], "\"" + tool + "\"");
    // A relative path would be taken from the current folder.
    SetCurrentDirectoryA(scratch().c_str());
    const std::string relativeTool = tool.substr(scratch().size() + 1);
    for (const std::string& path : {std::string("cmd.exe /c exit 0"), tool + " extra",
                                    scratch() + "\\none.exe", relativeTool, std::string()}) {
        INFO("no program: '", path, "'");
        expectNewReport();
        CHECK(!start.start(path));
        CHECK(childReport(1000).empty());
    }
}

TEST_CASE("shellOpensWithTheDefaultVerb")
{
    const std::string tool = copyChild("shell\\opened by shell.exe");
    expectNewReport();
    WinShell().open(0, tool);
    auto report = childReport();
    CHECK(sameFile(report["self"], tool));
    CHECK_EQ(report["show"], std::to_string(SW_SHOWNORMAL));

    // A web address without a scheme is a web address, not a program of that name in the
    // current folder.
    copyChild("www.orbelle.example");
    SetCurrentDirectoryA(scratch().c_str());
    expectNewReport();
    WinShell().open(0, "www.orbelle.example");
    CHECK(childReport(2000).empty());
}

TEST_CASE("versionRecordOfTheProgramFile")
{
    const std::string self = ownPath();
    DWORD ignored = 0;
    std::vector<char> record(GetFileVersionInfoSizeA(self.c_str(), &ignored));
    REQUIRE((
        !record.empty()
        && GetFileVersionInfoA(self.c_str(), 0, static_cast<DWORD>(record.size()), record.data())));
    const auto query = [&record](const std::string& path) -> const void* {
        void* found = nullptr;
        UINT length = 0;
        return VerQueryValueA(record.data(), path.c_str(), &found, &length) ? found : nullptr;
    };
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(query("\\"));
    const auto* translation = static_cast<const WORD*>(query("\\VarFileInfo\\Translation"));
    REQUIRE((fixed && translation));
    CHECK_EQ(fixed->dwSignature, 0xFEEF04BDu);
    for (const DWORD version : {fixed->dwFileVersionMS, fixed->dwProductVersionMS})
        CHECK_EQ(version, 0x0002'0000u);
    for (const DWORD version : {fixed->dwFileVersionLS, fixed->dwProductVersionLS})
        CHECK_EQ(version, 0x0000'0036u);
    CHECK_EQ(translation[0], 0x0407); // German
    CHECK_EQ(translation[1], 1252);
    const std::pair<const char*, const char*> strings[] = {
        {"FileVersion", "2.00.0054"},
        {"ProductVersion", "2.00.0054"},
        {"FileDescription", "Astrologisches Programm"},
        {"ProductName", "Orbelle"},
    };
    for (const auto& [name, expected] : strings) {
        INFO(name);
        const auto* text = static_cast<const char*>(
            query(std::string("\\StringFileInfo\\040704E4\\") + name));
        CHECK_EQ(ansiToUtf8(text ? text : "(missing)"), expected);
    }
    // The sun icon travels with the program file: a group icon (type 14) numbered 1.
    const auto number = [](ULONG_PTR n) { return reinterpret_cast<LPCSTR>(n); };
    CHECK(FindResourceA(nullptr, number(1), number(14)) != nullptr);
}

// The tests write keys under HKEY_LOCAL_MACHINE: only in the Wine prefix of this build,
// never on a real Windows machine or in someone's own Wine prefix.
int main(int argc, char** argv)
{
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    char prefix[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("WINEPREFIX", prefix, MAX_PATH);
    if (!ntdll || !GetProcAddress(ntdll, "wine_get_version") || length == 0 || length >= MAX_PATH
        || std::string(prefix) != ORBELLE_WINE_PREFIX) {
        std::fprintf(stderr, "tst_winplatform runs only under Wine in %s\n", ORBELLE_WINE_PREFIX);
        return 1;
    }
    return doctest::Context(argc, argv).run();
}
