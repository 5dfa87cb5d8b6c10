// orbelle_startup_probe [heart]
// Starts exactly as the program does and prints "shown" once the main window's first frame
// has been painted. With "heart" it then opens the analysis window repeatedly through the
// heart and prints each time from the click to the analysis window's first paint. Last it
// prints its peak resident memory.

#include "app/ApplicationSetUp.h"
#include "app/Forms.h"
#include "os/desktop/SearchPath.h"
#include "qt/SystemPlatform.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <cstring>
#include <functional>

namespace {

constexpr int kHeartClicks = 50;

// Calls back once the first paint of a watched window, children and flush to the screen
// included, is over: the paint event of the window itself comes first of all.
class FirstPaint final : public QObject {
public:
    explicit FirstPaint(std::function<void()> then)
        : m_then(std::move(then))
    {
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, m_then);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_then;
};

void printPeakMemoryAndQuit()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("maxrss_kib %ld\n", usage.ru_maxrss);
    std::fflush(stdout);
    QCoreApplication::quit();
}

// The processor time so far as well: on a busy machine it moves far less than the clock.
void reportShown()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto micros = [](timeval t) { return t.tv_sec * 1000000LL + t.tv_usec; };
    std::printf("cpu_us %lld\n", micros(usage.ru_utime) + micros(usage.ru_stime));
    std::puts("shown");
    std::fflush(stdout);
}

// Clicks the heart, waits for the analysis window's first paint, closes it, and again.
class HeartClicks final : public QObject {
public:
    explicit HeartClicks(orbelle::Forms& forms)
        : m_forms(forms)
        , m_painted([this] { analysisPainted(); })
    {
    }
    void start()
    {
        orbelle::Form1& main = m_forms.mainWindow.load();
        main.cbo_astro1->setCurrentIndex(0);
        main.cbo_astro2->setCurrentIndex(4);
        QTimer::singleShot(0, this, [this] { click(); });
    }

private:
    void click()
    {
        m_timer.start();
        m_forms.mainWindow.load().Image1_Click();
        m_forms.analysisWindow.loaded()->installEventFilter(&m_painted);
    }
    void analysisPainted()
    {
        std::printf("heart_us %lld\n", m_timer.nsecsElapsed() / 1000);
        m_forms.analysisWindow.unload();
        if (++m_done < kHeartClicks)
            QTimer::singleShot(0, this, [this] { click(); });
        else
            printPeakMemoryAndQuit();
    }

    orbelle::Forms& m_forms;
    FirstPaint m_painted;
    QElapsedTimer m_timer;
    int m_done = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    const bool heart = argc > 1 && std::strcmp(argv[1], "heart") == 0;
    // As in main.cpp.
    orbelle::keepAbsoluteSearchPathOnly();
    QApplication app(argc, argv);
    orbelle::setUpApplication(app);
    orbelle::SystemPlatform platform;
    orbelle::Forms forms(platform.ports());
    HeartClicks heartClicks(forms);
    FirstPaint firstPaint([&] {
        reportShown();
        if (heart)
            heartClicks.start();
        else
            printPeakMemoryAndQuit();
    });
    forms.mainWindow.load().installEventFilter(&firstPaint);
    forms.mainWindow.show();
    return app.exec();
}
