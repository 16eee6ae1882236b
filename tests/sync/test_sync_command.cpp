// SPDX-License-Identifier: MIT
// The command line's sync: --sync-account saves the account found at a URL, --sync runs a round
// and prints its counts; both without a window, the password from ORRISDAY_SYNC_PASSWORD. The
// program runs from a program folder of the test's own, away from any real bus.
#include "support/RadicaleServer.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestSyncCommand : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    RadicaleServer m_server;

    /// Runs the program with the arguments; its exit code, and its output in `said`.
    int orrisday(const QStringList &arguments, const QString &password, QString *said)
    {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ORRISDAY_SYNC_PASSWORD"), password);
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=/nonexistent"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_folder.path());
        program.setProcessEnvironment(environment);
        program.start(m_folder.filePath(QStringLiteral("orrisday")), arguments);
        program.waitForFinished(60000);
        *said = QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError());
        return program.exitCode();
    }

private slots:
    void initTestCase()
    {
        if (!RadicaleServer::available())
            QSKIP("radicale is not installed (scripts/install-deps.sh installs it)");
        QVERIFY(m_server.start());
        // A folder with sys/dll beside the program keeps its records there.
        QVERIFY(QFile::copy(QStringLiteral(ORRISDAY_PROGRAM), m_folder.filePath(QStringLiteral("orrisday"))));
        QVERIFY(QDir(m_folder.path()).mkpath(QStringLiteral("sys/dll")));
    }

    void savesTheAccountAndSyncs()
    {
        const QString url = m_server.url().toString();
        QString said;
        QCOMPARE(orrisday({ "--sync" }, m_server.password(), &said), 1);
        QVERIFY2(said.contains("No sync account is saved"), qPrintable(said));
        QCOMPARE(orrisday({ "--sync-account", url, "--sync-user", m_server.user() }, "wrong", &said), 1);
        QVERIFY2(said.contains("The account could not be set up: The server refused"), qPrintable(said));
        QCOMPARE(orrisday({ "--sync-account", url, "--sync-user", m_server.user() }, m_server.password(), &said), 0);
        QVERIFY2(said.startsWith("Sync account saved: calendar " + url), qPrintable(said));
        QCOMPARE(orrisday({ "--sync" }, m_server.password(), &said), 0);
        QVERIFY2(said.contains("Synced: 0 added, 0 updated, 0 deleted, 0 conflicts.\n"), qPrintable(said));
        QCOMPARE(orrisday({ "--sync" }, "wrong", &said), 1);
        QVERIFY2(said.contains("The sync stopped: The server refused the user name or password."), qPrintable(said));
    }
};

QTEST_GUILESS_MAIN(TestSyncCommand)
#include "test_sync_command.moc"
