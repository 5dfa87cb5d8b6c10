// The Windows platform layer against the real thing, run under Wine: the registry read
// byte by byte, the system-information launch through the real keys, process start,
// file test and shell, and the version record compiled into this very program.

#include "check/Check.h"

#include "about/SysInfo.h"
#include "platform/RecordingMessageBox.h"
#include "platform/WinFileTest.h"
#include "platform/WinProgramStart.h"
#include "platform/WinRegistry.h"
#include "platform/WinShell.h"
#include "platform/WinText.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

using namespace orbelle;

namespace {

HKEY root(std::uint32_t handle)
{
    return reinterpret_cast<HKEY>(
        static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<std::int32_t>(handle))));
}

std::string folderOf(const std::string& path)
{
    return path.substr(0, path.find_last_of('\\'));
}

std::string ownPath()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

std::string childProgram()
{
    return folderOf(ownPath()) + "\\orbelle_wine_child.exe";
}

// A folder of this run under the temporary folder, with blanks in its name, removed
// when the run ends.
class ScratchFolder {
public:
    ScratchFolder()
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        m_path = std::string(temp) + "orbelle wine " + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(m_path.c_str(), nullptr);
    }
    ~ScratchFolder()
    {
        // The children have long ended; whatever is still held stays for Wine to drop.
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

const std::string& scratch()
{
    static const ScratchFolder folder;
    return folder.path();
}

std::string copyChild(const std::string& relative)
{
    const std::string target = scratch() + "\\" + relative;
    CreateDirectoryA(folderOf(target).c_str(), nullptr);
    CopyFileA(childProgram().c_str(), target.c_str(), FALSE);
    return target;
}

// The child writes its report here; each expectation starts from no report.
std::string reportPath()
{
    return scratch() + "\\child-report.txt";
}

void expectNewReport()
{
    DeleteFileA(reportPath().c_str());
    SetEnvironmentVariableA("ORBELLE_CHILD_REPORT", reportPath().c_str());
}

std::optional<std::string> waitForReport(DWORD milliseconds)
{
    for (DWORD waited = 0; waited <= milliseconds; waited += 50) {
        std::ifstream in(reportPath());
        if (in)
            return std::string(std::istreambuf_iterator<char>(in), {});
        Sleep(50);
    }
    return std::nullopt;
}

std::string reportLine(const std::string& report, const std::string& key)
{
    std::istringstream lines(report);
    std::string line;
    while (std::getline(lines, line))
        if (line.rfind(key + "=", 0) == 0)
            return line.substr(key.size() + 1);
    return "(missing)";
}

bool sameFile(const std::string& a, const std::string& b)
{
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// A key of this run under HKEY_CURRENT_USER, removed with everything in it at the end.
class TestKey {
public:
    TestKey()
        : m_path("Software\\OrbelleTest " + std::to_string(GetCurrentProcessId()))
    {
        RegCreateKeyExA(root(RegistryRoot::kCurrentUser), m_path.c_str(), 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &m_key, nullptr);
    }
    ~TestKey()
    {
        RegCloseKey(m_key);
        RegDeleteTreeA(root(RegistryRoot::kCurrentUser), m_path.c_str());
    }
    TestKey(const TestKey&) = delete;
    TestKey& operator=(const TestKey&) = delete;

    const std::string& path() const { return m_path; }

    // RegSetValueExA counts a terminating zero in for a text whose next byte is zero,
    // so a text meant to be stored without one is followed by a non-zero guard byte.
    void set(const char* name, DWORD type, const std::string& bytes)
    {
        const std::string guarded = bytes + 'G';
        RegSetValueExA(m_key, name, 0, type, reinterpret_cast<const BYTE*>(guarded.data()),
                       static_cast<DWORD>(bytes.size()));
    }

    // The size the registry itself reports for a value, to see what was stored.
    DWORD storedSize(const char* name) const
    {
        DWORD size = 0;
        RegQueryValueExA(m_key, name, nullptr, nullptr, nullptr, &size);
        return size;
    }

private:
    std::string m_path;
    HKEY m_key = nullptr;
};

// The two keys the launch reads under HKEY_LOCAL_MACHINE, emptied for each case and put
// back as they were at the end.
class SysInfoKeys {
public:
    static constexpr const char* kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    static constexpr const char* kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

    SysInfoKeys()
        : m_tool(save(kToolKey, "PATH"))
        , m_folder(save(kFolderKey, "MSINFO"))
    {
        clear();
    }
    ~SysInfoKeys()
    {
        clear();
        restore(kToolKey, "PATH", m_tool);
        restore(kFolderKey, "MSINFO", m_folder);
    }
    SysInfoKeys(const SysInfoKeys&) = delete;
    SysInfoKeys& operator=(const SysInfoKeys&) = delete;

    void clear()
    {
        RegDeleteKeyValueA(root(RegistryRoot::kLocalMachine), kToolKey, "PATH");
        RegDeleteKeyValueA(root(RegistryRoot::kLocalMachine), kFolderKey, "MSINFO");
    }

    static void setText(const char* key, const char* name, const std::string& utf8)
    {
        const std::string ansi = utf8ToAnsi(utf8);
        RegSetKeyValueA(root(RegistryRoot::kLocalMachine), key, name, REG_SZ, ansi.c_str(),
                        static_cast<DWORD>(ansi.size() + 1));
    }

private:
    struct Saved {
        DWORD type = REG_NONE;
        std::string data;
    };

    static std::optional<Saved> save(const char* key, const char* name)
    {
        Saved saved;
        DWORD size = 0;
        if (RegGetValueA(root(RegistryRoot::kLocalMachine), key, name, RRF_RT_ANY | RRF_NOEXPAND,
                         &saved.type, nullptr, &size)
            != ERROR_SUCCESS)
            return std::nullopt;
        saved.data.resize(size);
        RegGetValueA(root(RegistryRoot::kLocalMachine), key, name, RRF_RT_ANY | RRF_NOEXPAND,
                     &saved.type, saved.data.data(), &size);
        saved.data.resize(size);
        return saved;
    }

    static void restore(const char* key, const char* name, const std::optional<Saved>& saved)
    {
        if (saved)
            RegSetKeyValueA(root(RegistryRoot::kLocalMachine), key, name, saved->type,
                            saved->data.data(), static_cast<DWORD>(saved->data.size()));
    }

    std::optional<Saved> m_tool;
    std::optional<Saved> m_folder;
};

struct Launch {
    WinRegistry registry;
    WinFileTest fileTest;
    WinProgramStart programStart;
    RecordingMessageBox messageBox;

    void run()
    {
        expectNewReport();
        StartSysInfo({registry, fileTest, programStart, messageBox});
    }
    bool reportedUnavailable() const
    {
        return messageBox.messages.size() == 1
               && messageBox.messages[0].prompt == kSysInfoUnavailable;
    }
};

} // namespace

GROUP(ansiCodePageOfAGermanLocale)
{
    CHECK_EQ(GetACP(), 1252u);
    CHECK_EQ(utf8ToAnsi("Grüße €"), "Gr\xFC\xDF" "e \x80");
    CHECK_EQ(ansiToUtf8("Gr\xFC\xDF" "e \x80"), "Grüße €");
    CHECK_EQ(ansiToUtf8(""), "");
}

GROUP(getKeyValueReadsTheRealRegistry)
{
    TestKey key;
    key.set("text with zero", REG_SZ, std::string("C:\\Tools\\x.exe\0", 15));
    key.set("text without zero", REG_SZ, "C:\\Tools\\x.exe");
    key.set("ansi text", REG_SZ, std::string("Gr\xFC\xDF" "e\0", 6));
    key.set("dword 256", REG_DWORD, std::string("\x00\x01\x00\x00", 4));
    key.set("dword 1", REG_DWORD, std::string("\x01\x00\x00\x00", 4));
    key.set("dword lowest", REG_DWORD, std::string("\x00\x00\x00\x80", 4));
    key.set("expandable", REG_EXPAND_SZ, std::string("%SystemRoot%\\x.exe\0", 19));
    key.set("binary 1024", REG_BINARY, std::string(1024, 'b'));
    key.set("binary 1025", REG_BINARY, std::string(1025, 'b'));
    key.set("text 1025", REG_SZ, std::string(1024, 't') + '\0');

    // What was stored: the guard byte kept the registry from adding a zero.
    CHECK_EQ(key.storedSize("text with zero"), 15u);
    CHECK_EQ(key.storedSize("text without zero"), 14u);

    struct Row {
        const char* name;
        bool read;
        std::string value;
    };
    const Row rows[] = {
        {"text with zero", true, "C:\\Tools\\x.exe"},
        {"text without zero", true, "C:\\Tools\\x.exe"},
        {"ansi text", true, "Grüße"},
        {"dword 256", true, "256"},
        {"dword 1", true, "1"},
        {"dword lowest", true, "-2147483648"},
        {"expandable", true, "as passed"},
        {"binary 1024", true, "as passed"},
        {"binary 1025", false, ""},
        {"text 1025", false, ""},
        {"no such value", false, ""},
    };
    WinRegistry registry;
    for (const Row& row : rows) {
        CASE(row.name);
        std::string value = "as passed";
        CHECK_EQ(GetKeyValue(registry, RegistryRoot::kCurrentUser, key.path(), row.name, value),
                 row.read);
        CHECK_EQ(value, row.value);
    }

    std::string value = "as passed";
    CHECK(!GetKeyValue(registry, RegistryRoot::kCurrentUser, key.path() + "\\missing", "x", value));
    CHECK_EQ(value, "");
}

GROUP(getKeyValueRaisesAnErrorForZeroLength)
{
    TestKey key;
    key.set("empty binary", REG_BINARY, "");
    key.set("empty text", REG_SZ, "");
    CHECK_EQ(key.storedSize("empty text"), 0u);
    WinRegistry registry;
    for (const char* name : {"empty binary", "empty text"}) {
        CASE(name);
        std::string value;
        CHECK_THROWS(EmptyRegistryValue,
                     GetKeyValue(registry, RegistryRoot::kCurrentUser, key.path(), name, value));
    }
}

GROUP(startSysInfoThroughTheRealKeys)
{
    SysInfoKeys keys;
    const std::string tool = copyChild("registered tool\\msinfo 32 & co.exe");
    const std::string folder = scratch() + "\\MSInfo folder";
    const std::string folderTool = copyChild("MSInfo folder\\MSINFO32.EXE");
    const std::string emptyFolder = scratch() + "\\empty folder";
    CreateDirectoryA(emptyFolder.c_str(), nullptr);

    {
        CASE("PATH names the tool");
        SysInfoKeys::setText(SysInfoKeys::kToolKey, "PATH", tool);
        Launch launch;
        launch.run();
        CHECK(launch.messageBox.messages.empty());
        const std::optional<std::string> report = waitForReport(20000);
        CHECK(report.has_value());
        if (report) {
            CHECK(sameFile(reportLine(*report, "self"), tool));
            CHECK_EQ(reportLine(*report, "show"), std::to_string(SW_SHOWNORMAL));
        }
    }
    {
        CASE("folder holds MSINFO32.EXE");
        keys.clear();
        SysInfoKeys::setText(SysInfoKeys::kFolderKey, "MSINFO", folder);
        Launch launch;
        launch.run();
        CHECK(launch.messageBox.messages.empty());
        const std::optional<std::string> report = waitForReport(20000);
        CHECK(report.has_value());
        if (report)
            CHECK(sameFile(reportLine(*report, "self"), folderTool));
    }
    {
        CASE("folder without MSINFO32.EXE");
        keys.clear();
        SysInfoKeys::setText(SysInfoKeys::kFolderKey, "MSINFO", emptyFolder);
        Launch launch;
        launch.run();
        CHECK(launch.reportedUnavailable());
    }
    {
        CASE("PATH to a missing file, folder not consulted");
        keys.clear();
        SysInfoKeys::setText(SysInfoKeys::kToolKey, "PATH", scratch() + "\\gone\\msinfo32.exe");
        SysInfoKeys::setText(SysInfoKeys::kFolderKey, "MSINFO", folder);
        Launch launch;
        launch.run();
        CHECK(launch.reportedUnavailable());
        CHECK(!waitForReport(1000).has_value());
    }
    {
        CASE("MSINFO32.EXE hidden");
        keys.clear();
        SysInfoKeys::setText(SysInfoKeys::kFolderKey, "MSINFO", folder);
        const std::string hidden = folder + "\\MSINFO32.EXE";
        SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
        Launch launch;
        launch.run();
        CHECK(launch.reportedUnavailable());
        SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    {
        CASE("nothing registered");
        keys.clear();
        Launch launch;
        launch.run();
        CHECK(launch.reportedUnavailable());
    }
}

GROUP(programStartTakesThePathLiterally)
{
    WinProgramStart start;
    {
        CASE("blanks and shell characters");
        const std::string tool = copyChild("a & b (x)\\tool; echo %PATH%.exe");
        expectNewReport();
        CHECK(start.start(tool));
        const std::optional<std::string> report = waitForReport(20000);
        CHECK(report.has_value());
        if (report) {
            CHECK(sameFile(reportLine(*report, "self"), tool));
            CHECK_EQ(reportLine(*report, "commandline"), "\"" + tool + "\"");
        }
    }
    {
        CASE("a command line is not a program");
        expectNewReport();
        CHECK(!start.start("cmd.exe /c exit 0"));
        CHECK(!start.start(childProgram() + " extra"));
    }
    {
        CASE("missing and empty paths");
        CHECK(!start.start(scratch() + "\\none.exe"));
        CHECK(!start.start(""));
    }
}

GROUP(fileTestAcceptsOrdinaryFilesOnly)
{
    const std::string plain = copyChild("files\\plain.exe");
    const std::string hidden = copyChild("files\\hidden.exe");
    const std::string system = copyChild("files\\system.exe");
    const std::string readOnly = copyChild("files\\readonly.exe");
    SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA(system.c_str(), FILE_ATTRIBUTE_SYSTEM);
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    struct Row {
        const char* name;
        std::string path;
        bool ordinary;
    };
    const Row rows[] = {
        {"ordinary", plain, true},
        {"read-only is still ordinary", readOnly, true},
        {"hidden", hidden, false},
        {"system", system, false},
        {"folder", scratch() + "\\files", false},
        {"missing", scratch() + "\\files\\none.exe", false},
        {"empty", "", false},
    };
    WinFileTest fileTest;
    for (const Row& row : rows) {
        CASE(row.name);
        CHECK_EQ(fileTest.isOrdinaryFile(row.path), row.ordinary);
    }
    for (const std::string& file : {hidden, system, readOnly})
        SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

GROUP(shellOpensWithTheDefaultVerb)
{
    const std::string tool = copyChild("shell\\opened by shell.exe");
    expectNewReport();
    WinShell shell;
    shell.open(0, tool);
    const std::optional<std::string> report = waitForReport(20000);
    CHECK(report.has_value());
    if (report) {
        CHECK(sameFile(reportLine(*report, "self"), tool));
        CHECK_EQ(reportLine(*report, "show"), std::to_string(SW_SHOWNORMAL));
    }
}

GROUP(versionRecordOfTheProgramFile)
{
    const std::string self = ownPath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(self.c_str(), &ignored);
    CHECK(size > 0);
    if (size == 0)
        return;
    std::vector<char> record(size);
    CHECK(GetFileVersionInfoA(self.c_str(), 0, size, record.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    CHECK(VerQueryValueA(record.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    if (fixed) {
        CHECK_EQ(fixed->dwSignature, 0xFEEF04BDu);
        CHECK_EQ(fixed->dwFileVersionMS, 0x0002'0000u);
        CHECK_EQ(fixed->dwFileVersionLS, 0x0000'0036u);
        CHECK_EQ(fixed->dwProductVersionMS, 0x0002'0000u);
        CHECK_EQ(fixed->dwProductVersionLS, 0x0000'0036u);
    }

    WORD* translation = nullptr;
    CHECK(VerQueryValueA(record.data(), "\\VarFileInfo\\Translation",
                         reinterpret_cast<void**>(&translation), &length));
    if (translation && length >= 4) {
        CHECK_EQ(translation[0], 0x0407);
        CHECK_EQ(translation[1], 1252);
    }

    struct Row {
        const char* name;
        const char* expected;
    };
    const Row rows[] = {
        {"FileVersion", "2.00.0054"},
        {"ProductVersion", "2.00.0054"},
        {"FileDescription", "Astrologisches Programm"},
        {"ProductName", "Orbelle"},
        {"LegalCopyright", "Copyright © 2026 Jonas Tavix"},
    };
    for (const Row& row : rows) {
        CASE(row.name);
        const std::string query = std::string("\\StringFileInfo\\040704E4\\") + row.name;
        char* text = nullptr;
        UINT textLength = 0;
        CHECK(VerQueryValueA(record.data(), query.c_str(), reinterpret_cast<void**>(&text),
                             &textLength));
        if (text)
            CHECK_EQ(ansiToUtf8(text), row.expected);
    }

    // The sun icon travels with the program file.
    const auto groupIcon = reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(14));
    const auto firstIcon = reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(1));
    CHECK(FindResourceA(nullptr, firstIcon, groupIcon) != nullptr);
}

CHECK_MAIN
