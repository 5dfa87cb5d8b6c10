#pragma once

// A print server of the test's own: cupsd with its configuration, spool and socket in a
// folder of the build tree, queues set up through its socket only. Nothing of the
// machine's own printing is touched.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class PrivateCupsServer {
public:
    // Empty when the server runs; else why it could not be started.
    QString start()
    {
        const QString cupsd = QStandardPaths::findExecutable(QStringLiteral("cupsd"),
                                                             kAdminFolders);
        if (cupsd.isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("lpadmin"), kAdminFolders).isEmpty())
            return QStringLiteral(
                "cupsd and lpadmin (packages cups-daemon, cups-client) are not installed");
        if (!m_dir.isValid())
            return QStringLiteral("no folder for the print server");
        const QString root = m_dir.path();
        for (const char* folder : {"spool", "cache", "state", "log"})
            QDir(root).mkdir(QLatin1String(folder));
        write(
            QStringLiteral("cupsd.conf"),
            "Listen " + socket()
                + "\nLogLevel warn\nBrowsing Off\nWebInterface No\n"
                  "DefaultAuthType None\n<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                  "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n");
        // A queue that prints into /dev/null needs file devices allowed.
        write(QStringLiteral("cups-files.conf"),
              "FileDevice Yes\nServerRoot " + root + "\nRequestRoot " + root + "/spool\nTempDir "
                  + root + "/spool\nCacheDir " + root + "/cache\nStateDir " + root
                  + "/state\nErrorLog " + root + "/log/error_log\nAccessLog " + root
                  + "/log/access_log\nPageLog " + root + "/log/page_log\n");
        m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
        m_cupsd.start(cupsd, {QStringLiteral("-f"), QStringLiteral("-c"), root + "/cupsd.conf",
                              QStringLiteral("-s"), root + "/cups-files.conf"});
        if (!m_cupsd.waitForStarted())
            return QStringLiteral("cupsd does not start: ") + m_cupsd.errorString();
        for (int attempt = 0;
             attempt < 100 && !admin({QStringLiteral("lpstat"), QStringLiteral("-r")}); ++attempt) {
            if (m_cupsd.state() != QProcess::Running)
                return QStringLiteral("cupsd ended at once: ")
                       + QString::fromLocal8Bit(m_cupsd.readAll());
            QTest::qWait(100);
        }
        return admin({QStringLiteral("lpstat"), QStringLiteral("-r")})
                   ? QString()
                   : QStringLiteral("cupsd does not answer on ") + socket();
    }

    ~PrivateCupsServer()
    {
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished())
            m_cupsd.kill();
    }

    QString socket() const { return m_dir.filePath(QStringLiteral("cups.sock")); }

    // Runs an administration command against this server; true when it succeeded.
    bool admin(const QStringList& command) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("CUPS_SERVER"), socket());
        process.setProcessEnvironment(environment);
        process.start(QStandardPaths::findExecutable(command.front(), kAdminFolders),
                      command.mid(1));
        return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit
               && process.exitCode() == 0;
    }

private:
    inline static const QStringList kAdminFolders{"/usr/sbin", "/usr/bin", "/sbin", "/bin"};

    void write(const QString& name, const QString& text) const
    {
        QFile file(m_dir.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(text.toUtf8());
    }

    QTemporaryDir m_dir{QStringLiteral(QT_TESTCASE_BUILDDIR "/cups-XXXXXX")};
    QProcess m_cupsd;
};
