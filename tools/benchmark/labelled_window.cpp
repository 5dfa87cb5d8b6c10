// orbelle_labelled_window
// The start-up baseline: the plainest Qt program that shows what the main window shows
// first, a window of its size with one label in its font. Built on Qt Widgets alone, so
// that the libraries Orbelle links count against Orbelle. Prints "cpu_us" and "shown"
// once the first frame has been painted, then its peak resident memory, as the probe does.

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

namespace {

// The main window's client area and its labels' font.
constexpr QSize kMainWindowSize{557, 355};
constexpr qreal kLabelPointSize = 9.75;

long long processorMicros(const rusage& usage)
{
    const auto micros = [](timeval t) { return t.tv_sec * 1000000LL + t.tv_usec; };
    return micros(usage.ru_utime) + micros(usage.ru_stime);
}

void reportAndQuit()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("cpu_us %lld\nshown\nmaxrss_kib %ld\n", processorMicros(usage), usage.ru_maxrss);
    std::fflush(stdout);
    QCoreApplication::quit();
}

// Reports once the window's first paint, children and flush included, is over.
class FirstPaint final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, &reportAndQuit);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(kMainWindowSize);
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSizeF(kLabelPointSize);
    font.setBold(true);
    auto* label = new QLabel(QStringLiteral("Dein Sternzeichen:"), &window);
    label->setFont(font);
    label->move(16, 8);
    FirstPaint firstPaint;
    window.installEventFilter(&firstPaint);
    window.show();
    return app.exec();
}
