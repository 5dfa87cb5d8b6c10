// The desktop stand-ins for the Windows shell and program start: addresses reach the
// desktop's handlers as valid URLs, and programs start directly, never through a shell.

#include "platform/QtProgramStart.h"
#include "platform/QtShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace orbelle;

// Stands in for the desktop's browser and mail program.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> urls;

public Q_SLOTS:
    void open(const QUrl& url) { urls << url; }
};

class tst_DesktopPorts : public QObject {
    Q_OBJECT

private:
    UrlCatcher m_catcher;
    QTemporaryDir m_dir;

    // A script that leaves a mark when it runs; its own path may hold any character.
    QString script(const QString& name, const QString& mark)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write("#!/bin/sh\ntouch '" + mark.toUtf8() + "'\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), &m_catcher, "open");
    }

    void cleanupTestCase()
    {
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }

    void init() { m_catcher.urls.clear(); }

    void shellOpensTheAboutLinks_data()
    {
        QTest::addColumn<QString>("shellText");
        QTest::addColumn<QUrl>("url");
        QTest::newRow("mail") << "mailto: autor@orbelle.example?subject=Orbelle-Partner-Test"
                              << QUrl("mailto:autor@orbelle.example?subject=Orbelle-Partner-Test");
        QTest::newRow("web without scheme") << "www.orbelle.example" << QUrl("http://www.orbelle.example");
        QTest::newRow("web with scheme") << "https://www.sterne.example" << QUrl("https://www.sterne.example");
    }

    void shellOpensTheAboutLinks()
    {
        QFETCH(QString, shellText);
        QFETCH(QUrl, url);
        QtShell shell;
        shell.open(0, shellText.toStdString());
        QCOMPARE(m_catcher.urls.size(), 1);
        QCOMPARE(m_catcher.urls[0], url);
        QVERIFY(m_catcher.urls[0].isValid());
    }

    void programStartTakesThePathLiterally()
    {
        const QString ran = m_dir.filePath("ran");
        const QString tool = script("tool $(touch pwned) & x; y.sh", ran);
        QVERIFY(!tool.isEmpty());
        const QString previous = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        QtProgramStart start;
        const bool started = start.start(tool.toStdString());
        QDir::setCurrent(previous);
        QVERIFY(started);
        QTRY_VERIFY(QFile::exists(ran));
        // Nothing of the name was run as a command.
        QVERIFY(!QFile::exists(m_dir.filePath("pwned")));
    }

    void programStartRefusesWhatIsNoProgramFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("empty") << QString();
        QTest::newRow("bare name") << "sh";
        QTest::newRow("command line") << "/bin/sh -c true";
        QTest::newRow("missing file") << "/nonexistent/msinfo32";
    }

    void programStartRefusesWhatIsNoProgramFile()
    {
        QFETCH(QString, path);
        QtProgramStart start;
        QVERIFY(!start.start(path.toStdString()));
    }
};

QTEST_MAIN(tst_DesktopPorts)
#include "tst_desktopports.moc"
