// SPDX-License-Identifier: MIT
#include "app/SingleInstance.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <unistd.h>

class TestSingleInstance final : public QObject
{
    Q_OBJECT

    QTemporaryDir m_runtime;

    /// The process id of the lock holder: the child itself, or the child of unshare.
    static qint64 holderPid(QProcess &child, bool namespaced)
    {
        if (!namespaced)
            return child.processId();
        const QString pid = QString::number(child.processId());
        QFile children(QStringLiteral("/proc/%1/task/%1/children").arg(pid));
        if (!children.open(QIODevice::ReadOnly))
            return 0;
        return children.readAll().trimmed().split(' ').value(0).toLongLong();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    }

    void lockAndSocketLiveInTheRuntimeFolder()
    {
        const QString key = QStringLiteral("orrisday-test-folder");
        QCOMPARE(SingleInstance::lockFileFor(key), m_runtime.filePath(key + ".lock"));
        {
            SingleInstance primary(key);
            QCOMPARE(primary.state(), SingleInstance::State::Primary);
            QVERIFY(QFile::exists(m_runtime.filePath(key + ".lock")));
            QVERIFY(QFile::exists(m_runtime.filePath(key + ".socket")));
        }
        QVERIFY(!QFile::exists(m_runtime.filePath(key + ".lock")));
        SingleInstance next(key);
        QCOMPARE(next.state(), SingleInstance::State::Primary);
    }

    void primaryKilledHardLeavesTheLockFree_data()
    {
        QTest::addColumn<QStringList>("prefix");
        QTest::newRow("live child") << QStringList();
        const QStringList unshare = geteuid() == 0
            ? QStringList { "unshare", "--pid", "--fork", "--kill-child" }
            : QStringList { "unshare", "--user", "--map-root-user", "--pid", "--fork", "--kill-child" };
        QTest::newRow("child in its own PID namespace") << unshare;
    }
    void primaryKilledHardLeavesTheLockFree()
    {
        QFETCH(QStringList, prefix);
        const QString key = QStringLiteral("orrisday-test-%1").arg(QTest::currentDataTag()).replace(' ', '-');
        QStringList command = prefix;
        command << QStringLiteral(LOCK_HOLDER) << key;

        QProcess child;
        child.start(command.takeFirst(), command);
        if (!child.waitForStarted(5000))
            QSKIP(qPrintable("cannot start " + prefix.value(0, LOCK_HOLDER)));
        if (!child.waitForReadyRead(10000)) {
            child.kill();
            child.waitForFinished();
            QSKIP(qPrintable("the machine does not let the child run this way: " + child.readAllStandardError()));
        }
        QCOMPARE(child.readLine().trimmed(), "primary");

        {
            SingleInstance whileAlive(key);
            QCOMPARE(whileAlive.state(), SingleInstance::State::Secondary);
        }

        const qint64 holder = holderPid(child, !prefix.isEmpty());
        QVERIFY(holder > 0);
        QCOMPARE(::kill(pid_t(holder), SIGKILL), 0);
        QVERIFY(child.waitForFinished(10000));

        SingleInstance afterCrash(key);
        QCOMPARE(afterCrash.state(), SingleInstance::State::Primary);
        QSignalSpy asked(&afterCrash, &SingleInstance::requested);
        SingleInstance later(key);
        QCOMPARE(later.state(), SingleInstance::State::Secondary);
        QTRY_COMPARE(asked.count(), 1);
        QCOMPARE(asked.first().first().value<InstanceRequest>().kind, InstanceRequest::Activate);
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_singleinstance.moc"
