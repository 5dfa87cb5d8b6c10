// orbelle_startup_probe orbelle|bare
// Starts exactly as the program does (or with a bare QWidget of the same size instead),
// prints "shown" once the window has been painted for the first time, and quits.

#include "app/Forms.h"
#include "platform/SystemPlatform.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

class FirstPaint final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            // Report after the paint has been handled and flushed.
            QTimer::singleShot(0, qApp, [] {
                std::puts("shown");
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_done = false;
};

} // namespace

int main(int argc, char* argv[])
{
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    QApplication app(argc, argv);
    FirstPaint firstPaint;
    if (bare) {
        QWidget window;
        window.setFixedSize(557, 355);
        window.installEventFilter(&firstPaint);
        window.show();
        return app.exec();
    }
    orbelle::SystemPlatform platform;
    orbelle::Forms forms(platform.ports());
    forms.mainWindow.load().installEventFilter(&firstPaint);
    forms.mainWindow.show();
    return app.exec();
}
