// The program as the desktop meets it: Qt's own texts in German, the names it announces at
// start-up, and the desktop entry and AppStream component that must carry the same names.

#include "app/GermanTranslation.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QLibraryInfo>
#include <QLocale>
#include <QMap>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTextStream>
#include <QTranslator>
#include <QXmlStreamReader>

#include <memory>

using namespace orbelle;

namespace {

const QString kPackagingDir = QStringLiteral(ORBELLE_PACKAGING_DIR);

QString qtTranslations()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool germanQtTextsInstalled()
{
    return QFile::exists(qtTranslations() + QStringLiteral("/qtbase_de.qm"));
}

QList<QTranslator*> installedTranslators()
{
    return qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly);
}

// The menu texts without the shortcut that Qt appends after a tab.
QStringList contextMenuTexts(QWidget& textBox)
{
    std::unique_ptr<QMenu> menu;
    if (auto* edit = qobject_cast<QTextEdit*>(&textBox))
        menu.reset(edit->createStandardContextMenu());
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(&textBox))
        menu.reset(plain->createStandardContextMenu());
    QStringList texts;
    if (menu) {
        for (const QAction* action : menu->actions())
            if (!action->isSeparator())
                texts << action->text().section(QLatin1Char('\t'), 0, 0);
    }
    return texts;
}

// The analysis window's reading box is a QTextEdit, the birth-date window's a QPlainTextEdit.
std::unique_ptr<QWidget> readOnlyTextBox(bool richText)
{
    std::unique_ptr<QWidget> box;
    if (richText) {
        auto edit = std::make_unique<QTextEdit>();
        edit->setReadOnly(true);
        edit->setPlainText(QStringLiteral("Widder und Löwe"));
        box = std::move(edit);
    } else {
        auto plain = std::make_unique<QPlainTextEdit>();
        plain->setReadOnly(true);
        plain->setPlainText(QStringLiteral("Widder und Löwe"));
        box = std::move(plain);
    }
    return box;
}

QStringList readOnlyPlainTextMenu()
{
    return contextMenuTexts(*readOnlyTextBox(false));
}

// The [Desktop Entry] group's unlocalised keys.
QMap<QString, QString> desktopEntry(const QString& path)
{
    QMap<QString, QString> entry;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return entry;
    QTextStream in(&file);
    QString group;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('[')))
            group = line;
        else if (group == QStringLiteral("[Desktop Entry]") && !line.startsWith(QLatin1Char('#'))
                 && line.contains(QLatin1Char('=')) && !line.section(QLatin1Char('='), 0, 0).contains(QLatin1Char('[')))
            entry.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
    }
    return entry;
}

// The texts of the component's direct children, keyed by element name and, where it has
// one, its type ("launchable desktop-id").
QMap<QString, QString> metainfoComponent(const QString& path)
{
    QMap<QString, QString> component;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return component;
    QXmlStreamReader xml(&file);
    if (!xml.readNextStartElement() || xml.name() != QStringLiteral("component"))
        return component;
    component.insert(QStringLiteral("component type"), xml.attributes().value(QStringLiteral("type")).toString());
    while (xml.readNextStartElement()) {
        QString key = xml.name().toString();
        const QString type = xml.attributes().value(QStringLiteral("type")).toString();
        if (!type.isEmpty())
            key += QLatin1Char(' ') + type;
        const bool untranslated = !xml.attributes().hasAttribute(QStringLiteral("xml:lang"));
        const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
        if (untranslated && !component.contains(key))
            component.insert(key, text);
    }
    return component;
}

} // namespace

class tst_Desktop : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_emptyFolder;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_emptyFolder.isValid());
        // The names only; the German texts are installed and removed test by test.
        setUpApplication(*qApp);
    }

    void init() { qDeleteAll(installedTranslators()); }

    void cleanup()
    {
        qDeleteAll(installedTranslators());
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    // --- Qt's own texts in German -------------------------------------------------------

    void textBoxMenusAreGerman_data()
    {
        QTest::addColumn<bool>("richText");
        QTest::addColumn<QString>("expected");

        QTest::newRow("read-only rich text box offers copying") << true << QStringLiteral("&Kopieren");
        QTest::newRow("read-only rich text box offers selecting all") << true << QStringLiteral("Alles auswählen");
        QTest::newRow("read-only plain text box offers copying") << false << QStringLiteral("&Kopieren");
        QTest::newRow("read-only plain text box offers selecting all") << false << QStringLiteral("Alles auswählen");
    }

    void textBoxMenusAreGerman()
    {
        if (!germanQtTextsInstalled())
            QSKIP("Qt's German texts (qtbase_de.qm, package qt6-translations-l10n) are not installed");
        QFETCH(bool, richText);
        QFETCH(QString, expected);

        QVERIFY(installGermanToolkitTexts(*qApp));
        const QStringList texts = contextMenuTexts(*readOnlyTextBox(richText));
        QVERIFY2(texts.contains(expected), qPrintable(texts.join(QStringLiteral(" | "))));
    }

    void toolkitButtonsAndKeysAreGerman_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("expected");

        QTest::newRow("cancel") << int(QMessageBox::Cancel) << QStringLiteral("Abbrechen");
        QTest::newRow("close") << int(QMessageBox::Close) << QStringLiteral("Schließen");
        QTest::newRow("yes") << int(QMessageBox::Yes) << QStringLiteral("&Ja");
        QTest::newRow("no") << int(QMessageBox::No) << QStringLiteral("&Nein");
    }

    void toolkitButtonsAndKeysAreGerman()
    {
        if (!germanQtTextsInstalled())
            QSKIP("Qt's German texts (qtbase_de.qm, package qt6-translations-l10n) are not installed");
        QFETCH(int, button);
        QFETCH(QString, expected);

        QVERIFY(installGermanToolkitTexts(*qApp));
        QMessageBox box;
        box.setStandardButtons(QMessageBox::StandardButton(button));
        QCOMPARE(box.button(QMessageBox::StandardButton(button))->text(), expected);
        // The shortcuts shown beside the menu entries name the keys in German as well.
        QCOMPARE(QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText), QStringLiteral("Strg+C"));
    }

    void catalogueMergedByWindeployqtIsFound()
    {
        if (!germanQtTextsInstalled())
            QSKIP("Qt's German texts (qtbase_de.qm, package qt6-translations-l10n) are not installed");
        QTemporaryDir deployed;
        QVERIFY(deployed.isValid());
        QVERIFY(QFile::copy(qtTranslations() + QStringLiteral("/qtbase_de.qm"), deployed.filePath(QStringLiteral("qt_de.qm"))));

        QVERIFY(installGermanToolkitTexts(*qApp, deployed.path()));
        QVERIFY(readOnlyPlainTextMenu().contains(QStringLiteral("&Kopieren")));
    }

    void installingTwiceKeepsOneCopy()
    {
        if (!germanQtTextsInstalled())
            QSKIP("Qt's German texts (qtbase_de.qm, package qt6-translations-l10n) are not installed");
        QVERIFY(installGermanToolkitTexts(*qApp));
        QVERIFY(installGermanToolkitTexts(*qApp));
        QCOMPARE(installedTranslators().size(), 1);
    }

    void missingTextsLeaveTheProgramRunningInEnglish_data()
    {
        QTest::addColumn<QString>("folder");

        QTest::newRow("folder does not exist") << QStringLiteral("/nonexistent/orbelle/translations");
        QTest::newRow("folder without German texts") << m_emptyFolder.path();
        QTest::newRow("no folder given") << QString();
    }

    void missingTextsLeaveTheProgramRunningInEnglish()
    {
        QFETCH(QString, folder);

        QVERIFY(!installGermanToolkitTexts(*qApp, folder));
        QVERIFY(installedTranslators().isEmpty());
        QVERIFY(readOnlyPlainTextMenu().contains(QStringLiteral("&Copy")));
    }

    // --- What the program announces at start-up ------------------------------------------

    void startUpNamesTheProgramAndSpeaksGerman()
    {
        QApplication& app = *qApp;
        QCOMPARE(setUpApplication(app), germanQtTextsInstalled());
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Orbelle"));
        QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Tavix"));
        QCOMPARE(QGuiApplication::desktopFileName(), QString::fromLatin1(kDesktopFileId));
        // Only an explicit display name would make Qt append "Orbelle" to every caption.
        QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
        QCOMPARE(QLocale().language(), QLocale::German);
        QCOMPARE(QLocale().toString(QDate(2026, 3, 21), QStringLiteral("d. MMMM yyyy")), QStringLiteral("21. März 2026"));
    }

    // --- The packaged files agree with the program ---------------------------------------

    void desktopEntryMatchesTheProgram_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");

        // Names that the desktop compares with what the running program reports.
        QTest::newRow("icon is installed under the desktop id") << QStringLiteral("Icon") << QGuiApplication::desktopFileName();
        QTest::newRow("X11 window class is the application name") << QStringLiteral("StartupWMClass") << QCoreApplication::applicationName();
        QTest::newRow("menu name") << QStringLiteral("Name") << QStringLiteral("Orbelle");
        QTest::newRow("started from the installed program") << QStringLiteral("Exec") << QStringLiteral("orbelle");
        QTest::newRow("a window program") << QStringLiteral("Terminal") << QStringLiteral("false");
    }

    void desktopEntryMatchesTheProgram()
    {
        QFETCH(QString, key);
        QFETCH(QString, expected);

        // The desktop pairs windows with the entry whose file name the program announces.
        const QString path = kPackagingDir + QLatin1Char('/') + QGuiApplication::desktopFileName() + QStringLiteral(".desktop");
        QVERIFY2(QFile::exists(path), qPrintable(path));
        const QMap<QString, QString> entry = desktopEntry(path);
        QVERIFY2(entry.contains(key), qPrintable(key));
        QCOMPARE(entry.value(key), expected);
    }

    void metainfoMatchesTheProgram_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");

        const QString id = QGuiApplication::desktopFileName();
        QTest::newRow("a desktop application") << QStringLiteral("component type") << QStringLiteral("desktop-application");
        QTest::newRow("component id is the desktop id") << QStringLiteral("id") << id;
        QTest::newRow("launches the desktop entry") << QStringLiteral("launchable desktop-id") << id + QStringLiteral(".desktop");
        QTest::newRow("provides the installed program") << QStringLiteral("provides") << QStringLiteral("orbelle");
        QTest::newRow("name") << QStringLiteral("name") << QCoreApplication::applicationName();
        QTest::newRow("developer is the maker") << QStringLiteral("developer_name") << QCoreApplication::organizationName();
        QTest::newRow("German summary") << QStringLiteral("summary") << QStringLiteral("Partnerastrologie nach Sternzeichen");
        QTest::newRow("rated for all ages") << QStringLiteral("content_rating oars-1.1") << QString();
        QTest::newRow("homepage under the maker's domain") << QStringLiteral("url homepage")
                                                          << QStringLiteral("https://%1/").arg(QCoreApplication::organizationDomain());
    }

    void metainfoMatchesTheProgram()
    {
        QFETCH(QString, key);
        QFETCH(QString, expected);

        const QString path = kPackagingDir + QLatin1Char('/') + QGuiApplication::desktopFileName() + QStringLiteral(".metainfo.xml");
        QVERIFY2(QFile::exists(path), qPrintable(path));
        const QMap<QString, QString> component = metainfoComponent(path);
        QVERIFY2(component.contains(key), qPrintable(key));
        QCOMPARE(component.value(key), expected);
    }
};

QTEST_MAIN(tst_Desktop)
#include "tst_desktop.moc"
