#include "app/ApplicationSetUp.h"

#include "OrbelleVersion.h"
#include "kit/QtText.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QString>
#include <QTranslator>

#include <memory>

namespace orbelle {

namespace {

const QString kQtTextsName = QStringLiteral("qtbase_de");

// windeployqt merges the modules' catalogues into one qt_de in the deployed translations.
const QString kDeployedQtTextsName = QStringLiteral("qt_de");

} // namespace

bool installGermanToolkitTexts(QCoreApplication& app, const QString& folder)
{
    // A second call must not stack a second copy of the same texts.
    if (app.findChild<QTranslator*>(kQtTextsName, Qt::FindDirectChildrenOnly))
        return true;

    // An empty folder would make QTranslator search the working directory.
    if (folder.isEmpty())
        return false;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(kQtTextsName, folder) && !translator->load(kDeployedQtTextsName, folder))
        return false;
    if (!QCoreApplication::installTranslator(translator.get()))
        return false;
    translator->setObjectName(kQtTextsName);
    translator.release()->setParent(&app);
    return true;
}

bool installGermanToolkitTexts(QCoreApplication& app)
{
    return installGermanToolkitTexts(app, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

bool setUpApplication(QApplication& app)
{
    // The application name also becomes the X11 window class, which the desktop entry's
    // StartupWMClass names; only the display name would change the window captions.
    QCoreApplication::setApplicationName(toQString(kProductName));
    QCoreApplication::setOrganizationName(QStringLiteral("Tavix"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("orbelle.example"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileId));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    return installGermanToolkitTexts(app);
}

} // namespace orbelle
