// The About dialog's logic over the platform doubles: reading registry values byte by
// byte, every way the system-information launch can go, and the links it hands on.

#include "check/Check.h"

#include "about/AboutTexts.h"
#include "about/SysInfo.h"
#include "platform/DesktopLinks.h"
#include "platform/FakeFileTest.h"
#include "platform/FakeProgramStart.h"
#include "platform/FakeRegistry.h"
#include "platform/RecordingMessageBox.h"

#include <string>
#include <vector>

using namespace orbelle;

namespace {

constexpr std::uint32_t kHklm = RegistryRoot::kLocalMachine;
const std::string kKey = "SOFTWARE\\Orbelle\\Test";
const std::string kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(std::string_view text)
{
    return Bytes(text.begin(), text.end());
}

struct Machine {
    FakeRegistry registry;
    FakeFileTest fileTest;
    FakeProgramStart programStart;
    RecordingMessageBox messageBox;

    SysInfoPorts ports() { return {registry, fileTest, programStart, messageBox}; }

    bool reportedUnavailable() const
    {
        return messageBox.messages.size() == 1
               && messageBox.messages[0].prompt == kSysInfoUnavailable
               && messageBox.messages[0].title == "Orbelle"
               && messageBox.messages[0].icon == MessageIcon::None;
    }
};

} // namespace

GROUP(getKeyValueKeepsTheBytesTheRegistryReports)
{
    struct Row {
        const char* name;
        std::uint32_t type;
        Bytes data;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {"text with terminating zero", RegistryType::kString, bytesOf(std::string("C:\\x.exe\0", 9)),
         "C:\\x.exe"},
        {"text without terminating zero", RegistryType::kString, bytesOf("C:\\x.exe"), "C:\\x.exe"},
        {"only the last zero goes", RegistryType::kString, bytesOf(std::string("ab\0\0", 4)),
         std::string("ab\0", 3)},
        {"empty text", RegistryType::kString, Bytes{0}, ""},
        {"text from the ANSI code page", RegistryType::kString,
         bytesOf(std::string("Gr\xFC\xDF" "e \x80\0", 8)), "Grüße €"},
        {"DWORD 256", RegistryType::kDword, Bytes{0x00, 0x01, 0x00, 0x00}, "256"},
        {"DWORD 1", RegistryType::kDword, Bytes{0x01, 0x00, 0x00, 0x00}, "1"},
        {"DWORD highest bit is negative", RegistryType::kDword, Bytes{0x00, 0x00, 0x00, 0x80},
         "-2147483648"},
        {"DWORD all bits", RegistryType::kDword, Bytes{0xFF, 0xFF, 0xFF, 0xFF}, "-1"},
        {"DWORD of two bytes reads the zeroed rest", RegistryType::kDword, Bytes{0x34, 0x12},
         "4660"},
        {"expandable text leaves the value alone", RegistryType::kExpandString,
         bytesOf(std::string("%SystemRoot%\\x.exe\0", 19)), "as passed"},
        {"multi text leaves the value alone", RegistryType::kMultiString,
         bytesOf(std::string("a\0b\0\0", 5)), "as passed"},
        {"binary leaves the value alone", RegistryType::kBinary, Bytes{1, 2, 3}, "as passed"},
        {"exactly 1024 bytes", RegistryType::kString, bytesOf(std::string(1023, 'x') + '\0'),
         std::string(1023, 'x')},
    };
    for (const Row& row : rows) {
        CASE(row.name);
        FakeRegistry registry;
        registry.setValue(kHklm, kKey, "V", row.type, row.data);
        std::string value = "as passed";
        CHECK(GetKeyValue(registry, kHklm, kKey, "V", value));
        CHECK_EQ(value, row.expected);
        CHECK_EQ(registry.openKeyCount(), 0u);
        CHECK_EQ(registry.badCloseCount, 0);
    }
}

GROUP(getKeyValueFailsWithAnEmptyText)
{
    struct Row {
        const char* name;
        std::string keyPath;
        std::string valueName;
        std::size_t size;
        bool refused;
        int closes; // the key is closed exactly when it was opened
    };
    const std::vector<Row> rows = {
        {"missing key", "SOFTWARE\\Nowhere", "V", 4, false, 0},
        {"missing value", kKey, "Other", 4, false, 1},
        {"1025 bytes", kKey, "V", 1025, false, 1},
        {"far too large", kKey, "V", 70000, false, 1},
        {"access refused", kKey, "V", 4, true, 0},
    };
    for (const Row& row : rows) {
        CASE(row.name);
        FakeRegistry registry;
        registry.setValue(kHklm, kKey, "V", RegistryType::kString, Bytes(row.size, 'a'));
        if (row.refused)
            registry.refusedKeys.insert(kKey);
        std::string value = "left over";
        CHECK(!GetKeyValue(registry, kHklm, row.keyPath, row.valueName, value));
        CHECK_EQ(value, "");
        CHECK_EQ(registry.closeCount, row.closes);
        CHECK_EQ(registry.openKeyCount(), 0u);
    }
}

GROUP(getKeyValueRaisesAnErrorForZeroLength)
{
    for (const std::uint32_t type : {RegistryType::kString, RegistryType::kBinary}) {
        CASE("type " + std::to_string(type));
        FakeRegistry registry;
        registry.setValue(kHklm, kKey, "V", type, {});
        std::string value = "as passed";
        CHECK_THROWS(EmptyRegistryValue, GetKeyValue(registry, kHklm, kKey, "V", value));
        CHECK_EQ(registry.closeCount, 1);
        CHECK_EQ(registry.openKeyCount(), 0u);
    }
}

GROUP(getKeyValueDistrustsASizeLargerThanItsBuffer)
{
    FakeRegistry registry;
    registry.setValue(kHklm, kKey, "V", RegistryType::kString, bytesOf("abc"));
    registry.reportedSize = 5000;
    std::string value = "left over";
    CHECK(!GetKeyValue(registry, kHklm, kKey, "V", value));
    CHECK_EQ(value, "");
    CHECK_EQ(registry.openKeyCount(), 0u);
}

GROUP(getKeyValueAsksForReadRightsOnly)
{
    FakeRegistry registry;
    registry.setText(kHklm, kKey, "V", "x");
    std::string value;
    // Windows refuses a standard user every write right under HKEY_LOCAL_MACHINE.
    CHECK(GetKeyValue(registry, kHklm, kKey, "V", value));
    CHECK_EQ(registry.opens.size(), 1u);
    const std::uint32_t access = registry.opens.at(0).access;
    CHECK_EQ(access & RegistryAccess::kAnyWrite, 0u);
    CHECK(access & RegistryAccess::kQueryValue);
    CHECK_EQ(registry.opens.at(0).root, 0x80000002u);
}

GROUP(startSysInfoStartsTheRegisteredTool)
{
    Machine machine;
    const std::string tool = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe";
    machine.registry.setText(kHklm, kToolKey, "PATH", tool);
    machine.programStart.programs.insert(tool);
    StartSysInfo(machine.ports());
    CHECK_EQ(machine.programStart.started, std::vector<std::string>{tool});
    CHECK(machine.messageBox.messages.empty());
    // Trusted as it is: no file test, and the second key is not read.
    CHECK(machine.fileTest.asked.empty());
    CHECK_EQ(machine.registry.opens.size(), 1u);
    CHECK_EQ(machine.registry.openKeyCount(), 0u);
}

GROUP(startSysInfoFallsBackToTheToolFolder)
{
    struct Row {
        const char* name;
        std::string folder;
        bool toolThere;
        std::string started; // empty: the message instead
    };
    const std::vector<Row> rows = {
        {"folder holds the tool", "C:\\Programme\\MSInfo", true, "C:\\Programme\\MSInfo\\MSINFO32.EXE"},
        {"folder with a backslash at the end", "C:\\MSInfo\\", true, "C:\\MSInfo\\\\MSINFO32.EXE"},
        {"folder without the tool", "C:\\Programme\\MSInfo", false, ""},
    };
    for (const Row& row : rows) {
        CASE(row.name);
        Machine machine;
        machine.registry.addKey(kHklm, kToolKey); // the key is there, its "PATH" is not
        machine.registry.setText(kHklm, kFolderKey, "MSINFO", row.folder);
        const std::string file = row.folder + "\\MSINFO32.EXE";
        if (row.toolThere)
            machine.fileTest.files.insert(file);
        machine.programStart.programs.insert(file);
        StartSysInfo(machine.ports());
        CHECK_EQ(machine.fileTest.asked, std::vector<std::string>{file});
        if (row.started.empty()) {
            CHECK(machine.programStart.attempts.empty());
            CHECK(machine.reportedUnavailable());
        } else {
            CHECK_EQ(machine.programStart.started, std::vector<std::string>{row.started});
            CHECK(machine.messageBox.messages.empty());
        }
        CHECK_EQ(machine.registry.openKeyCount(), 0u);
    }
}

GROUP(startSysInfoReportsEveryFailureOnce)
{
    struct Row {
        const char* name;
        void (*arrange)(Machine&);
        std::size_t keysOpened; // open calls, whether granted or not
        std::size_t attempts;   // program starts tried before the message
    };
    const std::vector<Row> rows = {
        {"nothing registered", [](Machine&) {}, 2, 0},
        {"registered tool file missing, folder key not consulted",
         [](Machine& m) {
             m.registry.setText(kHklm, kToolKey, "PATH", "C:\\gone\\msinfo32.exe");
             m.registry.setText(kHklm, kFolderKey, "MSINFO", "C:\\MSInfo");
             m.fileTest.files.insert("C:\\MSInfo\\MSINFO32.EXE");
             m.programStart.programs.insert("C:\\MSInfo\\MSINFO32.EXE");
         },
         1, 1},
        {"expandable PATH counts as read but leaves the path empty",
         [](Machine& m) {
             m.registry.setText(kHklm, kToolKey, "PATH", "%ProgramFiles%\\msinfo32.exe", true,
                                RegistryType::kExpandString);
         },
         1, 1},
        {"zero-length PATH",
         [](Machine& m) { m.registry.setValue(kHklm, kToolKey, "PATH", RegistryType::kString, {}); },
         1, 0},
        {"zero-length folder",
         [](Machine& m) {
             m.registry.setValue(kHklm, kFolderKey, "MSINFO", RegistryType::kString, {});
         },
         2, 0},
        {"PATH longer than 1024 bytes and no folder",
         [](Machine& m) {
             m.registry.setText(kHklm, kToolKey, "PATH", std::string(1100, 'x'));
         },
         2, 0},
        {"both keys refused",
         [](Machine& m) {
             m.registry.setText(kHklm, kToolKey, "PATH", "C:\\msinfo32.exe");
             m.registry.setText(kHklm, kFolderKey, "MSINFO", "C:\\MSInfo");
             m.registry.refusedKeys = {kToolKey, kFolderKey};
             m.programStart.programs.insert("C:\\msinfo32.exe");
         },
         2, 0},
        {"the start raises an error",
         [](Machine& m) {
             m.registry.setText(kHklm, kToolKey, "PATH", "C:\\msinfo32.exe");
             m.programStart.programs.insert("C:\\msinfo32.exe");
             m.programStart.raiseError = true;
         },
         1, 1},
    };
    for (const Row& row : rows) {
        CASE(row.name);
        Machine machine;
        row.arrange(machine);
        StartSysInfo(machine.ports());
        CHECK(machine.reportedUnavailable());
        CHECK_EQ(machine.registry.opens.size(), row.keysOpened);
        CHECK_EQ(machine.programStart.attempts.size(), row.attempts);
        CHECK(machine.programStart.started.empty());
        CHECK_EQ(machine.registry.openKeyCount(), 0u);
        CHECK_EQ(machine.registry.badCloseCount, 0);
    }
}

GROUP(startSysInfoGoesOnAfterARefusedFirstKey)
{
    Machine machine;
    machine.registry.setText(kHklm, kToolKey, "PATH", "C:\\msinfo32.exe");
    machine.registry.refusedKeys = {kToolKey};
    machine.registry.setText(kHklm, kFolderKey, "MSINFO", "D:\\Tools");
    machine.fileTest.files.insert("D:\\Tools\\MSINFO32.EXE");
    machine.programStart.programs.insert("D:\\Tools\\MSINFO32.EXE");
    StartSysInfo(machine.ports());
    CHECK_EQ(machine.programStart.started, std::vector<std::string>{"D:\\Tools\\MSINFO32.EXE"});
    CHECK(machine.messageBox.messages.empty());
    for (const FakeRegistry::OpenCall& open : machine.registry.opens) {
        CASE(open.path);
        CHECK_EQ(open.access & RegistryAccess::kAnyWrite, 0u);
    }
}

GROUP(aboutTexts)
{
    CHECK_EQ(AboutTexts::mailLink("autor@orbelle.example"),
             "mailto: autor@orbelle.example?subject=Orbelle-Partner-Test");
    // Nothing trimmed or encoded: the caption goes in as it is shown.
    CHECK_EQ(AboutTexts::mailLink(" a b@c "), "mailto:  a b@c ?subject=Orbelle-Partner-Test");

    const std::string credits = AboutTexts::creditText();
    const std::string_view starts[] = {"Screendesign: ", "Astrologische Texte: ",
                                       "Programmierung: ", ""};
    std::size_t from = 0;
    for (std::size_t line = 0; line < 4; ++line) {
        CASE("credit line " + std::to_string(line + 1));
        const std::size_t end = credits.find("\r\n\r\n", from);
        const std::string text = credits.substr(from, end == std::string::npos ? end : end - from);
        CHECK(!text.empty());
        CHECK_EQ(text.find('\r'), std::string::npos);
        CHECK_EQ(text.find('\n'), std::string::npos);
        CHECK_EQ(text.rfind(starts[line], 0), 0u);
        CHECK_EQ(end == std::string::npos, line == 3);
        from = end + 4;
    }
    CHECK(credits.find("©") != std::string::npos);

    for (const std::string_view address :
         {AboutTexts::kMailAddress, AboutTexts::kHomepage, AboutTexts::kAstrologyPage}) {
        CASE(std::string(address));
        // Reserved for examples: no real site is ever reached.
        CHECK(address.size() > 8 && address.substr(address.size() - 8) == ".example");
    }
}

GROUP(desktopAddressesForTheShellTexts)
{
    struct Row {
        const char* name;
        std::string_view shellText;
        std::string_view url;
    };
    const Row rows[] = {
        {"mail text loses the blank", "mailto: autor@orbelle.example?subject=Orbelle-Partner-Test",
         "mailto:autor@orbelle.example?subject=Orbelle-Partner-Test"},
        {"mail text without blank", "mailto:a@b.example", "mailto:a@b.example"},
        {"web address gets a scheme", "www.orbelle.example", "http://www.orbelle.example"},
        {"address with scheme stays", "https://www.orbelle.example/x", "https://www.orbelle.example/x"},
        {"colon without scheme", "www.orbelle.example:8080", "http://www.orbelle.example:8080"},
    };
    for (const Row& row : rows) {
        CASE(row.name);
        CHECK_EQ(desktopUrl(row.shellText), row.url);
    }
}

CHECK_MAIN
