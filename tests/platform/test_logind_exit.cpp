// SPDX-License-Identifier: MIT
// The logind client against a mock of systemd-logind on a private bus of the test's own: the
// machine's system bus is never reached.
#include "platform/LogindExit.h"

#include "support/PrivateBus.h"

#include <QTest>

namespace {

const QString Login1 = QStringLiteral("org.freedesktop.login1");
const QString Login1Path = QStringLiteral("/org/freedesktop/login1");

} // namespace

class TestLogindExit : public QObject
{
    Q_OBJECT

    PrivateBus m_bus;

    QList<PrivateBus::Call> calls() { return m_bus.calls(Login1Path); }

private slots:
    void initTestCase()
    {
        if (!PrivateBus::mockAvailable())
            QSKIP("python3-dbusmock is not installed (scripts/install-deps.sh installs it)");
        QVERIFY2(m_bus.start(), "dbus-daemon cannot be started");
        QVERIFY2(m_bus.startMock(QStringLiteral("logind"), Login1), "the logind mock did not come up");
    }

    void init() { m_bus.toMock(Login1Path, QStringLiteral("ClearCalls")); }

    void eachEventCallsLogind_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QString>("method");
        QTest::addColumn<QVariantList>("arguments");
        QTest::newRow("log off ends the own session") << 4 << "TerminateSession" << QVariantList { "c7" };
        QTest::newRow("shut down") << 5 << "PowerOff" << QVariantList { false };
        QTest::newRow("restart") << 7 << "Reboot" << QVariantList { false };
        QTest::newRow("hibernate powers off") << 12 << "PowerOff" << QVariantList { false };
    }
    void eachEventCallsLogind()
    {
        QFETCH(int, flags);
        QFETCH(QString, method);
        QFETCH(QVariantList, arguments);
        LogindExit logind(m_bus.connection(), QStringLiteral("c7"));
        const ActionResult result = logind.exitSystem(flags);
        QVERIFY2(result.done, qPrintable(result.why));
        const QList<PrivateBus::Call> made = calls();
        QCOMPARE(made.size(), 1);
        QCOMPARE(made.first().method, method);
        QCOMPARE(made.first().arguments, arguments);
    }

    void unknownFlagsCallNothing()
    {
        LogindExit logind(m_bus.connection(), QStringLiteral("c7"));
        QVERIFY(!logind.exitSystem(8).done);
        QVERIFY(calls().isEmpty());
    }

    void aRefusalIsReported()
    {
        const QDBusMessage added = m_bus.toMock(Login1Path, QStringLiteral("AddMethod"),
            { QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Reboot"), QStringLiteral("b"),
                QString(),
                QStringLiteral("raise dbus.exceptions.DBusException('Operation not permitted', "
                               "name='org.freedesktop.DBus.Error.AccessDenied')") });
        QCOMPARE(added.type(), QDBusMessage::ReplyMessage);
        const ActionResult result = LogindExit(m_bus.connection(), QStringLiteral("c7")).exitSystem(7);
        QVERIFY(!result.done);
        QCOMPARE(result.why, QStringLiteral("the system does not permit this user to do it (Operation not permitted)"));
    }
};

QTEST_GUILESS_MAIN(TestLogindExit)
#include "test_logind_exit.moc"
