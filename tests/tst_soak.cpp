// Opens and closes every window two thousand times, the analysis for every pair with its
// copy and info view, and checks that the program's memory does not grow meanwhile.

#include "MainWindowFixture.h"

#include "analysis/pair_readings_data.h"
#include "analysis/frm_aus.h"
#include "platform/QtText.h"
#include "signs/SignCatalogue.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>

#include <unistd.h>

using namespace orbelle;

namespace {

constexpr int kCycles = 2000;
constexpr int kWarmUpCycles = 200;
constexpr qint64 kAllowedGrowth = 1024 * 1024;

// Resident memory from /proc, in bytes; -1 where there is no /proc.
qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLongLong() * sysconf(_SC_PAGESIZE) : -1;
}

constexpr bool underAddressSanitizer()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#endif
#endif
    return false;
}

template <typename W>
W* child(QWidget* window, const char* name)
{
    return window->findChild<W*>(QLatin1String(name));
}

void press(QWidget* window, const char* name)
{
    auto* button = child<QPushButton>(window, name);
    QVERIFY2(button, name);
    button->click();
}

} // namespace

class tst_Soak : public QObject {
    Q_OBJECT

private:
    MainWindowFixture m_app;

    void cycle(int i)
    {
        Forms& forms = *m_app.forms;
        const PairReading& pair = kPairReadings[static_cast<std::size_t>(i) % kPairReadings.size()];
        const bool swapped = (i / static_cast<int>(kPairReadings.size())) % 2 == 1;
        m_app.choose(toQString(swapped ? pair.signB : pair.signA),
                     toQString(swapped ? pair.signA : pair.signB));
        m_app.click("Image1");
        frm_aus* analysis = forms.analysisWindow.loaded();
        QVERIFY(analysis);
        press(analysis, "Kopieren");
        QCOMPARE(m_app.messageBox.messages.size(), std::size_t{1});
        QCOMPARE(m_app.messageBox.messages.front().title, std::string("Analyse wurde kopiert"));
        press(analysis, "Command1a");
        press(analysis, "Command3");
        QVERIFY(!forms.analysisWindow.isLoaded());

        const SignEntry& sign = signCatalogue()[static_cast<std::size_t>(i) % kSignCount];
        m_app.click(sign.pictureControl.data());
        QVERIFY(forms.profileWindow.isLoaded());
        forms.profileWindow.unload();

        m_app.click("Command3");
        QWidget* birthDate = forms.birthDateWindow.loaded();
        QVERIFY(birthDate);
        child<QComboBox>(birthDate, "Combo1")->setCurrentIndex(i % 32);
        child<QComboBox>(birthDate, "Combo2")->setCurrentIndex(i % 12);
        press(birthDate, "Command1");
        birthDate->close();

        m_app.click("Command2");
        QWidget* about = forms.aboutDialog.loaded();
        QVERIFY(about);
        press(about, "cmdOK");
        QVERIFY(!forms.aboutDialog.isLoaded());

        // Let the event loop turn, as it would between two clicks: the windows' paint and
        // expose events are handled and the closed windows delete themselves.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_app.messageBox.messages.clear();
    }

private Q_SLOTS:
    void initTestCase()
    {
        // Qt raises every tool window it shows, and the offscreen platform warns each time;
        // ten thousand such lines would crowd out the figures this test reports.
        static QtMessageHandler testlibHandler = nullptr;
        testlibHandler = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (!message.contains(QLatin1String("does not support raise()")))
                    testlibHandler(type, context, message);
            });
    }

    void cleanup()
    {
        m_app.stop();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void everyWindowTwoThousandTimesWithoutGrowing()
    {
        m_app.start();
        qint64 afterWarmUp = -1;
        for (int i = 1; i <= kCycles; ++i) {
            cycle(i);
            if (QTest::currentTestFailed())
                return;
            if (i == kWarmUpCycles)
                afterWarmUp = residentBytes();
        }
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); }), 1);
        const qint64 atEnd = residentBytes();
        if (afterWarmUp < 0)
            QSKIP("no /proc/self/statm to read the resident memory from");
        qInfo("resident memory after cycle %d: %lld KiB, after cycle %d: %lld KiB",
              kWarmUpCycles, afterWarmUp / 1024, kCycles, atEnd / 1024);
        if (underAddressSanitizer())
            QSKIP("AddressSanitizer keeps freed memory in quarantine; its leak check covers this build");
        QVERIFY2(atEnd - afterWarmUp <= kAllowedGrowth,
                 qPrintable(QStringLiteral("grew by %1 KiB").arg((atEnd - afterWarmUp) / 1024)));
    }
};

QTEST_MAIN(tst_Soak)
#include "tst_soak.moc"
