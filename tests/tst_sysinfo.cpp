// The About dialog's logic over the platform doubles: reading registry values byte by
// byte, and every way the system-information launch can go.

#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest.h>

#include "about/SysInfo.h"
#include "doubles/FakeFileTest.h"
#include "doubles/FakeProgramStart.h"
#include "doubles/FakeRegistry.h"
#include "doubles/RecordingMessageBox.h"

#include <optional>
#include <set>

using namespace orbelle;

namespace {

constexpr std::uint32_t kHklm = RegistryRoot::kLocalMachine;
const std::string kKey = "SOFTWARE\\Orbelle\\Test";
const std::string kToolKey(SysInfoKeys::kToolKey);
const std::string kToolValue(SysInfoKeys::kToolValue);
const std::string kFolderKey(SysInfoKeys::kFolderKey);
const std::string kFolderValue(SysInfoKeys::kFolderValue);

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(std::string_view text)
{
    return Bytes(text.begin(), text.end());
}

} // namespace

TEST_CASE("getKeyValueKeepsTheBytesTheRegistryReports")
{
    struct Row {
        const char* name;
        std::uint32_t type;
        Bytes data;
        std::string expected;
    };
    namespace T = RegistryType;
    const Row rows[] = {
        {"text with terminating zero", T::kString, bytesOf({"C:\\x.exe\0", 9}), "C:\\x.exe"},
        {"text without terminating zero", T::kString, bytesOf("C:\\x.exe"), "C:\\x.exe"},
        {"only the last zero goes", T::kString, bytesOf({"ab\0\0", 4}), {"ab\0", 3}},
        {"empty text", T::kString, Bytes{0}, ""},
        {"text from the ANSI code page", T::kString,
         bytesOf({"Gr\xFC\xDF"
                  "e \x80\0",
                  8}),
         "Grüße €"},
        {"DWORD 256", T::kDword, Bytes{0x00, 0x01, 0x00, 0x00}, "256"},
        {"DWORD with the highest bit is negative", T::kDword, Bytes{0x00, 0x00, 0x00, 0x80},
         "-2147483648"},
        {"DWORD of two bytes reads the zeroed rest", T::kDword, Bytes{0x34, 0x12}, "4660"},
        {"expandable text leaves the value alone", T::kExpandString, bytesOf({"%Windir%\0", 9}),
         "as passed"},
        {"binary leaves the value alone", T::kBinary, Bytes{1, 2, 3}, "as passed"},
        {"exactly 1024 bytes", T::kString, bytesOf(std::string(1023, 'x') + '\0'),
         std::string(1023, 'x')},
    };
    for (const Row& row : rows) {
        INFO(row.name);
        FakeRegistry registry;
        registry.setValue(kHklm, kKey, "V", row.type, row.data);
        std::string value = "as passed";
        CHECK_EQ(GetKeyValue(registry, kHklm, kKey, "V", value), KeyValueRead::Read);
        CHECK_EQ(value, row.expected);
        CHECK_EQ(registry.closeCount, 1);
        CHECK_EQ(registry.badCloseCount, 0);
    }
}

TEST_CASE("getKeyValueFailures")
{
    struct Row {
        const char* name;
        std::string keyPath;
        std::string valueName;
        std::size_t size;
        std::optional<std::uint32_t> reportedSize;
        bool refused;
        KeyValueRead outcome;
        int closes; // the key is closed exactly when it was opened
    };
    constexpr KeyValueRead kUnreadable = KeyValueRead::Unreadable;
    const Row rows[] = {
        {"missing key", "SOFTWARE\\Nowhere", "V", 4, {}, false, kUnreadable, 0},
        {"missing value", kKey, "Other", 4, {}, false, kUnreadable, 1},
        {"1025 bytes", kKey, "V", 1025, {}, false, kUnreadable, 1},
        {"a size reported larger than the buffer", kKey, "V", 3, 5000, false, kUnreadable, 1},
        {"access refused", kKey, "V", 4, {}, true, kUnreadable, 0},
        {"zero length", kKey, "V", 0, {}, false, KeyValueRead::Empty, 1},
    };
    for (const Row& row : rows) {
        INFO(row.name);
        FakeRegistry registry;
        registry.setValue(kHklm, kKey, "V", RegistryType::kString, Bytes(row.size, 'a'));
        registry.reportedSize = row.reportedSize;
        if (row.refused)
            registry.refusedKeys.insert(kKey);
        std::string value = "left over";
        CHECK_EQ(GetKeyValue(registry, kHklm, row.keyPath, row.valueName, value), row.outcome);
        CHECK_EQ(value, "");
        CHECK_EQ(registry.closeCount, row.closes);
        CHECK_EQ(registry.openKeyCount(), 0u);
    }
}

TEST_CASE("getKeyValueAsksForReadRightsOnly")
{
    FakeRegistry registry;
    registry.setText(kHklm, kKey, "V", "x");
    std::string value;
    // Windows refuses a standard user every write right under HKEY_LOCAL_MACHINE.
    CHECK_EQ(GetKeyValue(registry, kHklm, kKey, "V", value), KeyValueRead::Read);
    CHECK_EQ(registry.opens.size(), 1u);
    CHECK_EQ(registry.opens.at(0).access & RegistryAccess::kAnyWrite, 0u);
    CHECK((registry.opens.at(0).access & RegistryAccess::kQueryValue));
}

TEST_CASE("startSysInfo")
{
    const std::string tool = "C:\\Program Files\\MSInfo\\msinfo32.exe";
    const std::string inFolder = "C:\\MSInfo\\MSINFO32.EXE";
    struct Row {
        const char* name;
        std::optional<Bytes> path; // the bytes of the "PATH" value, if there is one
        std::uint32_t pathType;
        bool folder; // "MSINFO" names C:\MSInfo ...
        bool toolInFolder; // ... and MSINFO32.EXE is there
        std::set<std::string> refused;
        bool startRaises;
        std::string started; // empty: the message instead
        std::size_t keysRead; // open calls, whether granted or not
        std::size_t filesAsked;
        std::size_t attempts; // program starts tried
    };
    const Bytes registered = bytesOf(tool + '\0');
    namespace T = RegistryType;
    const Row rows[] = {
        // A tool path registered by the tool itself is trusted: no file test, no second key.
        {"the registered tool", registered, T::kString, true, true, {}, false, tool, 1, 0, 1},
        {"folder holds the tool", {}, T::kString, true, true, {}, false, inFolder, 2, 1, 1},
        {"folder without the tool", {}, T::kString, true, false, {}, false, "", 2, 1, 0},
        {"nothing registered", {}, T::kString, false, false, {}, false, "", 2, 0, 0},
        {"registered tool missing, folder not consulted",
         bytesOf({"C:\\gone.exe\0", 12}),
         T::kString,
         true,
         true,
         {},
         false,
         "",
         1,
         0,
         1},
        {"expandable PATH counts as read but leaves the path empty",
         registered,
         T::kExpandString,
         true,
         true,
         {},
         false,
         "",
         1,
         0,
         1},
        {"zero-length PATH", Bytes{}, T::kString, true, true, {}, false, "", 1, 0, 0},
        {"PATH refused, the folder read instead",
         registered,
         T::kString,
         true,
         true,
         {kToolKey},
         false,
         inFolder,
         2,
         1,
         1},
        {"both keys refused",
         registered,
         T::kString,
         true,
         true,
         {kToolKey, kFolderKey},
         false,
         "",
         2,
         0,
         0},
        {"the start raises an error", registered, T::kString, false, false, {}, true, "", 1, 0, 1},
    };
    for (const Row& row : rows) {
        INFO(row.name);
        FakeRegistry registry;
        FakeFileTest fileTest;
        FakeProgramStart programStart;
        RecordingMessageBox messageBox;
        registry.addKey(kHklm, kToolKey);
        if (row.path)
            registry.setValue(kHklm, kToolKey, kToolValue, row.pathType, *row.path);
        if (row.folder)
            registry.setText(kHklm, kFolderKey, kFolderValue, "C:\\MSInfo");
        if (row.toolInFolder)
            fileTest.files.insert(inFolder);
        registry.refusedKeys = row.refused;
        programStart.programs = {tool, inFolder};
        programStart.raiseError = row.startRaises;
        StartSysInfo({registry, fileTest, programStart, messageBox});
        CHECK_EQ(programStart.started.size(), row.started.empty() ? 0u : 1u);
        CHECK_EQ(programStart.started.empty() ? "" : programStart.started[0], row.started);
        CHECK_EQ(messageBox.messages.size(), row.started.empty() ? 1u : 0u);
        for (const RecordingMessageBox::Message& message : messageBox.messages)
            CHECK_EQ(message.title + ": " + message.prompt,
                     "Orbelle: " + std::string(kSysInfoUnavailable));
        CHECK_EQ(registry.opens.size(), row.keysRead);
        CHECK_EQ(fileTest.asked.size(), row.filesAsked);
        CHECK_EQ(programStart.attempts.size(), row.attempts);
        CHECK_EQ(registry.openKeyCount(), 0u);
        for (const FakeRegistry::OpenCall& open : registry.opens)
            CHECK_EQ(open.access & RegistryAccess::kAnyWrite, 0u);
    }
}
