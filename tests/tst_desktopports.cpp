// The desktop stand-ins for the Windows shell and program start: addresses reach the
// desktop's handlers as valid URLs, and programs start directly, never through a shell.

#include "TestSupport.h"

#include "platform/QtProgramStart.h"
#include "platform/QtShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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

    void shellOpensTheAboutLinks_data()
    {
        QTest::addColumn<QString>("shellText");
        QTest::addColumn<QString>("url");
        const auto row = [](const char* tag, const char* text, const char* url) {
            QTest::newRow(tag) << text << url;
        };
        row("mail text loses the blank", "mailto: autor@orbelle.example?subject=Orbelle-Partner-Test",
            "mailto:autor@orbelle.example?subject=Orbelle-Partner-Test");
        row("web address gets a scheme", "www.orbelle.example", "http://www.orbelle.example");
        row("colon without scheme", "www.orbelle.example:8080", "http://www.orbelle.example:8080");
        row("address with scheme stays", "https://www.sterne.example/x", "https://www.sterne.example/x");
    }

    void shellOpensTheAboutLinks()
    {
        QFETCH(QString, shellText);
        QFETCH(QString, url);
        m_catcher.urls.clear();
        QtShell().open(0, shellText.toStdString());
        QCOMPARE(m_catcher.urls, QList<QUrl>{QUrl(url)});
        QVERIFY(m_catcher.urls[0].isValid());
    }

    void programStartTakesThePathLiterally()
    {
        // A script whose name would run a command if a shell ever saw it.
        const QString tool = m_dir.filePath(QStringLiteral("tool $(touch pwned) & x; y.sh"));
        QFile file(tool);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\ntouch ran\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString previous = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        const bool started = QtProgramStart().start(tool.toStdString());
        QDir::setCurrent(previous);
        QVERIFY(started);
        QTRY_VERIFY(QFile::exists(m_dir.filePath(QStringLiteral("ran"))));
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("pwned"))));
    }

    void programStartRefusesWhatIsNoProgramFile()
    {
        for (const char* path : {"", "sh", "/bin/sh -c true", "/nonexistent/msinfo32"})
            QVERIFY2(!QtProgramStart().start(path), path);
    }
};

QTEST_MAIN(tst_DesktopPorts)
#include "tst_desktopports.moc"
