// Every way the outside world can fail the program, played by the doubles: each gives its
// own report, and the window it happened in stays open and works on.

#include "ProgramTestCase.h"

#include "about/SysInfo.h"

#include <QPushButton>

#include <functional>

using namespace orbelle;

namespace {

const std::string kToolKey(SysInfoKeys::kToolKey);
const std::string kToolValue(SysInfoKeys::kToolValue);
const std::string kFolderKey(SysInfoKeys::kFolderKey);
const std::string kFolderValue(SysInfoKeys::kFolderValue);
const QString kNoSysInfo = QStringLiteral(
    "Orbelle: Systeminformationen sind momentan nicht verfügbar");

enum class Action { Copy, Print, SysInfo, Link };

struct Fault {
    const char* name;
    std::function<void(MainWindowFixture&)> arrange;
    Action action;
    QString report; // empty: the failure has no visible effect
};

const std::vector<Fault>& faults()
{
    static const std::vector<Fault> list = {
        {"clipboard refusing", [](MainWindowFixture& a) { a.clipboard.refuseWrites = true; },
         Action::Copy, QStringLiteral("Kopieren fehlgeschlagen: ")},
        {"no printer",
         [](MainWindowFixture& a) { a.printer.simulated = PrinterPort::Outcome::NoPrinter; },
         Action::Print, QStringLiteral("Drucken nicht möglich: ")},
        {"printing failing",
         [](MainWindowFixture& a) { a.printer.simulated = PrinterPort::Outcome::Failed; },
         Action::Print, QStringLiteral("Drucken fehlgeschlagen: ")},
        {"registry access refused",
         [](MainWindowFixture& a) {
             a.registry.setText(RegistryRoot::kLocalMachine, kToolKey, kToolValue,
                                "C:\\msinfo32.exe");
             a.registry.setText(RegistryRoot::kLocalMachine, kFolderKey, kFolderValue, "C:\\Tools");
             a.registry.refusedKeys = {kToolKey, kFolderKey};
             a.programStart.programs = {"C:\\msinfo32.exe"};
         },
         Action::SysInfo, kNoSysInfo},
        {"keys missing", [](MainWindowFixture&) {}, Action::SysInfo, kNoSysInfo},
        {"values missing",
         [](MainWindowFixture& a) {
             a.registry.addKey(RegistryRoot::kLocalMachine, kToolKey);
             a.registry.addKey(RegistryRoot::kLocalMachine, kFolderKey);
         },
         Action::SysInfo, kNoSysInfo},
        {"value too long",
         [](MainWindowFixture& a) {
             a.registry.setText(RegistryRoot::kLocalMachine, kToolKey, kToolValue,
                                std::string(1025, 'x'), false);
         },
         Action::SysInfo, kNoSysInfo},
        {"value of size zero",
         [](MainWindowFixture& a) {
             a.registry.setValue(RegistryRoot::kLocalMachine, kToolKey, kToolValue,
                                 RegistryType::kString, {});
         },
         Action::SysInfo, kNoSysInfo},
        {"value of an unexpected type",
         [](MainWindowFixture& a) {
             a.registry.setText(RegistryRoot::kLocalMachine, kToolKey, kToolValue,
                                "%windir%\\msinfo32.exe", true, RegistryType::kExpandString);
         },
         Action::SysInfo, kNoSysInfo},
        {"program start failing",
         [](MainWindowFixture& a) {
             a.registry.setText(RegistryRoot::kLocalMachine, kToolKey, kToolValue,
                                "C:\\msinfo32.exe");
             a.programStart.programs = {"C:\\msinfo32.exe"};
             a.programStart.raiseError = true;
         },
         Action::SysInfo, kNoSysInfo},
        {"shell failing", [](MainWindowFixture& a) { a.shell.unavailable = true; }, Action::Link,
         QString()},
    };
    return list;
}

// Opens the window the action belongs to and does it there, as the user would.
QWidget* act(MainWindowFixture& app, Action action)
{
    QWidget* window = nullptr;
    const char* control = nullptr;
    switch (action) {
    case Action::Copy:
        window = app.analysis(QStringLiteral("Steinbock"), QStringLiteral("Jungfrau"));
        control = "Kopieren";
        break;
    case Action::Print:
        window = app.analysis(QStringLiteral("Steinbock"), QStringLiteral("Jungfrau"));
        control = "Command2";
        break;
    case Action::SysInfo:
        window = app.about();
        control = "cmdSysInfo";
        break;
    case Action::Link:
        window = app.about();
        control = "link1";
        break;
    }
    if (window)
        testing::clickChild(window, control);
    return window;
}

} // namespace

class tst_Faults : public ProgramTestCase {
    Q_OBJECT

private Q_SLOTS:
    void reportedAndUsable_data()
    {
        QTest::addColumn<int>("fault");
        for (std::size_t i = 0; i < faults().size(); ++i)
            QTest::newRow(faults()[i].name) << static_cast<int>(i);
    }

    void reportedAndUsable()
    {
        QFETCH(int, fault);
        const Fault& f = faults()[static_cast<std::size_t>(fault)];
        f.arrange(m_app);
        QWidget* window = act(m_app, f.action);
        QVERIFY(window);
        const QStringList expected = f.report.isEmpty() ? QStringList() : QStringList{f.report};
        QCOMPARE(m_app.messages().size(), expected.size());
        if (!expected.isEmpty())
            QVERIFY2(m_app.messages().front().startsWith(f.report),
                     qPrintable(m_app.messages().front()));

        // The same again: nothing was left half done, and the window is still there.
        QVERIFY(window->isVisible());
        act(m_app, f.action);
        QCOMPARE(m_app.messages().size(), 2 * expected.size());
        if (f.action == Action::Link)
            QCOMPARE(m_app.shell.attempts, 2);

        // The rest of the program works on: a profile opens, the main window ends it all.
        m_app.click("waage");
        QVERIFY(m_app.forms->profileWindow.isLoaded());
        QVERIFY(m_app.main().close());
        QTRY_COMPARE(testing::visibleWindows(), 0);
    }
};

QTEST_MAIN(tst_Faults)
#include "tst_faults.moc"
