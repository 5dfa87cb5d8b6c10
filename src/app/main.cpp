#include "app/ApplicationSetUp.h"
#include "app/Forms.h"
#include "os/desktop/SearchPath.h"
#include "qt/SystemPlatform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    orbelle::keepAbsoluteSearchPathOnly();
    QApplication app(argc, argv);
    orbelle::setUpApplication(app);
    orbelle::SystemPlatform platform;
    orbelle::Forms forms(platform.ports());
    forms.mainWindow.show();
    return app.exec();
}
