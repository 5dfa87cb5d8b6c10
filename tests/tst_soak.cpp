// Opens and closes every window two thousand times, the analysis for every pair with its
// copy and info view, and checks that the program's memory does not grow meanwhile.

#include "MainWindowFixture.h"

#include "analysis/pair_readings_data.h"
#include "signs/SignCatalogue.h"

#include <QFile>

#include <unistd.h>

using namespace orbelle;
using testing::clickChild;
using testing::toQString;

// AddressSanitizer keeps freed memory in quarantine: resident memory says nothing there.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORBELLE_UNDER_ASAN
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define ORBELLE_UNDER_ASAN
#endif

namespace {

constexpr int kCycles = 2000;
constexpr int kWarmUpCycles = 200;

// Resident memory from /proc, in bytes; -1 where there is no /proc.
qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLongLong() * sysconf(_SC_PAGESIZE) : -1;
}

} // namespace

class tst_Soak : public QObject {
    Q_OBJECT

private:
    MainWindowFixture m_app;

    void cycle(int i)
    {
        const auto n = static_cast<std::size_t>(i);
        const PairReading& pair = kPairReadings[n % kPairReadings.size()];
        const bool swapped = (n / kPairReadings.size()) % 2 == 1;
        QWidget* analysis = m_app.analysis(toQString(swapped ? pair.signB : pair.signA),
                                           toQString(swapped ? pair.signA : pair.signB));
        QVERIFY(analysis);
        clickChild(analysis, "Kopieren");
        QCOMPARE(m_app.messages().value(0).section(u':', 0, 0),
                 QStringLiteral("Analyse wurde kopiert"));
        clickChild(analysis, "Command1a");
        clickChild(analysis, "Command3");

        m_app.click(signCatalogue()[n % kSignCount].pictureControl.data());
        m_app.forms->profileWindow.unload();

        Form5* birthDate = m_app.birthDate();
        birthDate->Combo1->setCurrentIndex(i % 32);
        birthDate->Combo2->setCurrentIndex(i % 12);
        clickChild(birthDate, "Command1");
        birthDate->close();

        clickChild(m_app.about(), "cmdOK");
        QVERIFY(!m_app.forms->analysisWindow.isLoaded() && !m_app.forms->aboutDialog.isLoaded());
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
        for (int i = 1; i <= kCycles && !QTest::currentTestFailed(); ++i) {
            cycle(i);
            if (i == kWarmUpCycles)
                afterWarmUp = residentBytes();
        }
        QTRY_COMPARE(testing::visibleWindows(), 1);
        const qint64 atEnd = residentBytes();
        if (afterWarmUp < 0)
            QSKIP("no /proc/self/statm to read the resident memory from");
        qInfo("resident memory after cycle %d: %lld KiB, after cycle %d: %lld KiB", kWarmUpCycles,
              afterWarmUp / 1024, kCycles, atEnd / 1024);
#if defined(ORBELLE_UNDER_ASAN)
        QSKIP("AddressSanitizer's own leak check covers this build");
#endif
        QVERIFY2(atEnd - afterWarmUp <= 1024 * 1024,
                 qPrintable(QStringLiteral("grew by %1 KiB").arg((atEnd - afterWarmUp) / 1024)));
    }
};

QTEST_MAIN(tst_Soak)
#include "tst_soak.moc"
