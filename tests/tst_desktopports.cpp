// The desktop stand-ins for the Windows shell and program start: addresses reach the
// desktop's handlers as valid URLs, and programs start directly, never through a shell.
// The real printer against a print server of the test's own: what the server did with the
// job is what the window hears, and a server that does not answer blocks nobody.

#include "PrivateCupsServer.h"
#include "TestSupport.h"

#include "qt/QtProgramStart.h"
#include "qt/QtShell.h"
#include "qt/SystemPrinter.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QUrl>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace orbelle;

namespace {

// A server that takes connections and never answers: a listening loopback socket that
// nobody reads. Returns its port, or 0.
quint16 listenSilently(int& fd)
{
    fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    auto* generic = reinterpret_cast<sockaddr*>(&address);
    if (fd < 0 || ::bind(fd, generic, length) != 0 || ::listen(fd, 8) != 0
        || ::getsockname(fd, generic, &length) != 0)
        return 0;
    return ntohs(address.sin_port);
}

} // namespace

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
    PrivateCupsServer m_cups;
    QString m_cupsMissing;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), &m_catcher, "open");
        m_cupsMissing = m_cups.start();
        // The default queue is the server's; nothing of the user's may choose another.
        for (const char* name : {"LPDEST", "PRINTER", "CUPS_USER"})
            qunsetenv(name);
        qputenv("HOME", m_dir.path().toLocal8Bit());
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
        row("mail text loses the blank",
            "mailto: autor@orbelle.example?subject=Orbelle-Partner-Test",
            "mailto:autor@orbelle.example?subject=Orbelle-Partner-Test");
        row("web address gets a scheme", "www.orbelle.example", "http://www.orbelle.example");
        row("colon without scheme", "www.orbelle.example:8080", "http://www.orbelle.example:8080");
        row("address with scheme stays", "https://www.sterne.example/x",
            "https://www.sterne.example/x");
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

    void printerSaysWhatTheServerDid_data()
    {
        QTest::addColumn<QStringList>("setUp"); // commands for the private server, in turn
        QTest::addColumn<QString>("server"); // "private", "silent" or "none"
        QTest::addColumn<PrinterPort::Outcome>("outcome");
        const QStringList queue{"lpadmin -p Buero -v file:///dev/null -E", "lpadmin -d Buero"};
        QTest::newRow("default queue accepting jobs")
            << queue << "private" << PrinterPort::Outcome::Printed;
        QTest::newRow("default queue refusing jobs")
            << queue + QStringList{"cupsreject Buero"} << "private" << PrinterPort::Outcome::Failed;
        QTest::newRow("no queue at all") << queue + QStringList{"lpadmin -x Buero"} << "private"
                                         << PrinterPort::Outcome::NoPrinter;
        QTest::newRow("server that takes the connection and never answers")
            << QStringList() << "silent" << PrinterPort::Outcome::Failed;
        QTest::newRow("no server running")
            << QStringList() << "none" << PrinterPort::Outcome::NoPrinter;
    }

    void printerSaysWhatTheServerDid()
    {
        QFETCH(QStringList, setUp);
        QFETCH(QString, server);
        QFETCH(PrinterPort::Outcome, outcome);
        int silent = -1;
        const quint16 silentPort = listenSilently(silent);
        const auto closeSilent = qScopeGuard([silent] { ::close(silent); });
        QVERIFY(silentPort);
        if (server == QLatin1String("private")) {
            if (!m_cupsMissing.isEmpty())
                QSKIP(qPrintable(m_cupsMissing));
            for (const QString& command : setUp)
                QVERIFY2(m_cups.admin(command.split(u' ')), qPrintable(command));
            qputenv("CUPS_SERVER", m_cups.socket().toLocal8Bit());
        } else if (server == QLatin1String("silent")) {
            qputenv("CUPS_SERVER", "127.0.0.1:" + QByteArray::number(silentPort));
        } else {
            qputenv("CUPS_SERVER", m_dir.filePath(QStringLiteral("no-server.sock")).toLocal8Bit());
        }
        SystemPrinter printer;
        const QFuture<PrinterPort::Outcome> printed = printer.print(
            QStringLiteral("Astro-Analyse für Widder und Löwe"), QFont());
        // Back at once, while the silent server has not answered yet: the window can go on.
        if (server == QLatin1String("silent"))
            QVERIFY(!printed.isFinished());
        QTRY_VERIFY_WITH_TIMEOUT(printed.isFinished(), 60000);
        QCOMPARE(printed.result(), outcome);
    }
};

QTEST_MAIN(tst_DesktopPorts)
#include "tst_desktopports.moc"
