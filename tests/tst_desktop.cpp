// The program as the desktop meets it: Qt's own texts in German, the names it announces at
// start-up, and the desktop entry and AppStream component that must carry the same names.

#include "TestSupport.h"

#include "app/ApplicationSetUp.h"

#include <QDate>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTranslator>

#include <memory>

using namespace orbelle;

namespace {

QString qtTexts()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm");
}

QList<QTranslator*> installedTranslators()
{
    return qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly);
}

// The context menus of both kinds of text box the windows use, without the shortcuts that
// Qt appends after a tab.
QStringList contextMenuTexts()
{
    QTextEdit rich;
    QPlainTextEdit plain;
    QStringList texts;
    for (QMenu* created : {rich.createStandardContextMenu(), plain.createStandardContextMenu()}) {
        const std::unique_ptr<QMenu> menu(created);
        for (const QAction* action : menu->actions())
            texts << action->text().section(u'\t', 0, 0);
    }
    return texts;
}

} // namespace

class tst_Desktop : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_deployed;
    QTemporaryDir m_empty;

private Q_SLOTS:
    void initTestCase()
    {
        QCOMPARE(setUpApplication(*qApp), QFile::exists(qtTexts()));
        QCOMPARE(QGuiApplication::desktopFileName(), QString::fromLatin1(kDesktopFileId));
        // Only an explicit display name would make Qt append "Orbelle" to every caption.
        QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Orbelle"));
        QCOMPARE(QLocale().toString(QDate(2026, 3, 21), QStringLiteral("d. MMMM yyyy")),
                 QStringLiteral("21. März 2026"));
        QFile::copy(qtTexts(), m_deployed.filePath(QStringLiteral("qt_de.qm")));
    }

    // The German texts are installed and removed test by test.
    void init() { qDeleteAll(installedTranslators()); }

    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void toolkitTexts_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("german");
        QTest::newRow("Qt's own folder")
            << QLibraryInfo::path(QLibraryInfo::TranslationsPath) << true;
        QTest::newRow("catalogue merged by windeployqt") << m_deployed.path() << true;
        QTest::newRow("folder does not exist") << "/nonexistent/orbelle/translations" << false;
        QTest::newRow("folder without German texts") << m_empty.path() << false;
        QTest::newRow("no folder given") << QString() << false;
    }

    void toolkitTexts()
    {
        QFETCH(QString, folder);
        QFETCH(bool, german);
        if (german && !QFile::exists(qtTexts()))
            QSKIP(
                "Qt's German texts (qtbase_de.qm, package qt6-translations-l10n) are not installed");
        QCOMPARE(installGermanToolkitTexts(*qApp, folder), german);
        // Installed once however often asked; the program runs in English without them.
        QCOMPARE(installGermanToolkitTexts(*qApp, folder), german);
        QCOMPARE(installedTranslators().size(), german ? 1 : 0);
        const QStringList texts = contextMenuTexts();
        QVERIFY2(texts.count(german ? QStringLiteral("&Kopieren") : QStringLiteral("&Copy")) == 2,
                 qPrintable(texts.join(u'|')));
    }

    void packagedFilesNameTheProgram_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("pattern"); // what it says is caught by the first group
        QTest::addColumn<QString>("expected");
        const QString id = QGuiApplication::desktopFileName();
        const auto row = [](const char* tag, const char* file, const char* pattern,
                            const QString& expected) {
            QTest::newRow(tag) << file << pattern << expected;
        };
        // Names that the desktop compares with what the running program reports.
        row("X11 window class is the application name", ".desktop", "\nStartupWMClass=(.*)\n",
            QCoreApplication::applicationName());
        row("component id is the desktop id", ".metainfo.xml", "<id>(.*)</id>", id);
        row("homepage under the maker's domain", ".metainfo.xml",
            "<url type=\"homepage\">(.*)</url>",
            "https://" + QCoreApplication::organizationDomain() + "/");
    }

    void packagedFilesNameTheProgram()
    {
        QFETCH(QString, file);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QFile in(QStringLiteral(ORBELLE_PACKAGING_DIR "/") + QGuiApplication::desktopFileName()
                 + file);
        QVERIFY2(in.open(QIODevice::ReadOnly), qPrintable(in.fileName()));
        QCOMPARE(QRegularExpression(pattern).match(QString::fromUtf8(in.readAll())).captured(1),
                 expected);
    }
};

QTEST_MAIN(tst_Desktop)
#include "tst_desktop.moc"
