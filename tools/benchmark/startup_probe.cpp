// orbelle_startup_probe orbelle|bare|label|heart
// Starts exactly as the program does (or with a bare QWidget of the same size instead, with
// "label" one that shows a single line of text, so that it loads the fonts too) and
// prints "shown" once the window has been painted for the first time. With "heart" it then
// opens the analysis window repeatedly through the heart and prints each time from the
// click to the analysis window's first paint. Last it prints its peak resident memory.

#include "app/Forms.h"
#include "qt/SystemPlatform.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <cstring>
#include <functional>

namespace {

constexpr int kHeartClicks = 50;

// Calls back once after the first paint of each watched window has been handled.
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

void reportShown()
{
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
    const char* mode = argc > 1 ? argv[1] : "orbelle";
    QApplication app(argc, argv);
    if (std::strcmp(mode, "bare") == 0 || std::strcmp(mode, "label") == 0) {
        QWidget window;
        window.setFixedSize(557, 355);
        if (std::strcmp(mode, "label") == 0)
            (new QLabel(QStringLiteral("Dein Sternzeichen:"), &window))->move(16, 8);
        FirstPaint firstPaint([] {
            reportShown();
            printPeakMemoryAndQuit();
        });
        window.installEventFilter(&firstPaint);
        window.show();
        return app.exec();
    }
    orbelle::SystemPlatform platform;
    orbelle::Forms forms(platform.ports());
    HeartClicks heartClicks(forms);
    const bool heart = std::strcmp(mode, "heart") == 0;
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
