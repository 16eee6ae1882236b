// SPDX-License-Identifier: MIT
// The logind client against a mock of systemd-logind on a private bus of the test's own: the
// machine's system bus is never reached.
#include "platform/LogindExit.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QProcess>
#include <QTest>

namespace {

const QString Python = QStringLiteral("/usr/bin/python3");
const QString Login1 = QStringLiteral("org.freedesktop.login1");
const QString Login1Path = QStringLiteral("/org/freedesktop/login1");
const QString MockInterface = QStringLiteral("org.freedesktop.DBus.Mock");

struct Call
{
    QString method;
    QVariantList arguments;
};

} // namespace

class TestLogindExit : public QObject
{
    Q_OBJECT

    QProcess m_bus;
    QProcess m_mock;
    QString m_address;
    std::optional<QDBusConnection> m_connection;

    QDBusMessage toMock(const QString &method, const QVariantList &arguments = {})
    {
        QDBusMessage request = QDBusMessage::createMethodCall(Login1, Login1Path, MockInterface, method);
        request.setArguments(arguments);
        return m_connection->call(request);
    }

    /// The calls logind's manager received, in order.
    QList<Call> calls()
    {
        const QDBusMessage reply = toMock(QStringLiteral("GetCalls"));
        QList<Call> result;
        if (reply.type() != QDBusMessage::ReplyMessage)
            return result;
        const QDBusArgument log = reply.arguments().at(0).value<QDBusArgument>();
        log.beginArray();
        while (!log.atEnd()) {
            Call call;
            quint64 when = 0;
            log.beginStructure();
            log >> when >> call.method;
            log.beginArray();
            while (!log.atEnd()) {
                QDBusVariant argument;
                log >> argument;
                call.arguments << argument.variant();
            }
            log.endArray();
            log.endStructure();
            result << call;
        }
        log.endArray();
        return result;
    }

private slots:
    void initTestCase()
    {
        if (QProcess::execute(Python, { QStringLiteral("-c"), QStringLiteral("import dbusmock") }) != 0)
            QSKIP("python3-dbusmock is not installed (scripts/install-deps.sh installs it)");

        m_bus.start(QStringLiteral("dbus-daemon"), { QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                        QStringLiteral("--print-address=1") });
        QVERIFY2(m_bus.waitForStarted(), "dbus-daemon cannot be started");
        QVERIFY(m_bus.waitForReadyRead(10000));
        m_address = QString::fromUtf8(m_bus.readLine()).trimmed();
        QVERIFY(!m_address.isEmpty());

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // Both buses of the mock are the private one.
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
        environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_address);
        m_mock.setProcessEnvironment(environment);
        m_mock.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_mock.start(Python, { QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--session"),
                                 QStringLiteral("--template"), QStringLiteral("logind") });
        QVERIFY(m_mock.waitForStarted());

        m_connection = QDBusConnection::connectToBus(m_address, QStringLiteral("orrisday-test-bus"));
        QVERIFY(m_connection->isConnected());
        QDeadlineTimer deadline(15000);
        while (!m_connection->interface()->isServiceRegistered(Login1) && !deadline.hasExpired())
            QTest::qWait(50);
        QVERIFY2(m_connection->interface()->isServiceRegistered(Login1), "the logind mock did not come up");
    }

    void init()
    {
        if (m_connection)
            toMock(QStringLiteral("ClearCalls"));
    }

    void cleanupTestCase()
    {
        m_connection.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("orrisday-test-bus"));
        for (QProcess *child : { &m_mock, &m_bus }) {
            if (child->state() == QProcess::NotRunning)
                continue;
            child->terminate();
            if (!child->waitForFinished(5000))
                child->kill();
        }
    }

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
        LogindExit logind(*m_connection, QStringLiteral("c7"));
        const ActionResult result = logind.exitSystem(flags);
        QVERIFY2(result.done, qPrintable(result.why));
        const QList<Call> made = calls();
        QCOMPARE(made.size(), 1);
        QCOMPARE(made.first().method, method);
        QCOMPARE(made.first().arguments, arguments);
    }

    void unknownFlagsCallNothing()
    {
        LogindExit logind(*m_connection, QStringLiteral("c7"));
        QVERIFY(!logind.exitSystem(8).done);
        QVERIFY(calls().isEmpty());
    }

    void aRefusalIsReported()
    {
        const QDBusMessage added = toMock(QStringLiteral("AddMethod"),
            { QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Reboot"), QStringLiteral("b"), QString(),
                QStringLiteral("raise dbus.exceptions.DBusException('Operation not permitted', "
                               "name='org.freedesktop.DBus.Error.AccessDenied')") });
        QCOMPARE(added.type(), QDBusMessage::ReplyMessage);
        const ActionResult result = LogindExit(*m_connection, QStringLiteral("c7")).exitSystem(7);
        QVERIFY(!result.done);
        QCOMPARE(result.why, QStringLiteral("the system does not permit this user to do it (Operation not permitted)"));
    }
};

QTEST_GUILESS_MAIN(TestLogindExit)
#include "test_logind_exit.moc"
