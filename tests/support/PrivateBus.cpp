// SPDX-License-Identifier: MIT
#include "support/PrivateBus.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QTest>

namespace {

const QString Python = QStringLiteral("/usr/bin/python3");
const QString ConnectionName = QStringLiteral("orrisday-test-bus");
const QString MockInterface = QStringLiteral("org.freedesktop.DBus.Mock");
constexpr int StartTimeoutMs = 15000;

} // namespace

PrivateBus::~PrivateBus()
{
    m_connection.reset();
    QDBusConnection::disconnectFromBus(ConnectionName);
    end(m_mock);
    end(m_daemon);
}

bool PrivateBus::mockAvailable()
{
    return QProcess::execute(Python, { QStringLiteral("-c"), QStringLiteral("import dbusmock") }) == 0;
}

void PrivateBus::end(QProcess &child)
{
    if (child.state() == QProcess::NotRunning)
        return;
    child.terminate();
    if (!child.waitForFinished(5000))
        child.kill();
    child.waitForFinished(5000);
}

bool PrivateBus::start()
{
    m_daemon.start(QStringLiteral("dbus-daemon"),
        { QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1") });
    if (!m_daemon.waitForStarted() || !m_daemon.waitForReadyRead(10000))
        return false;
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    if (m_address.isEmpty())
        return false;
    // Whatever in this process asks for a bus by the environment gets this one.
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_address.toUtf8());
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_address.toUtf8());
    m_connection = QDBusConnection::connectToBus(m_address, ConnectionName);
    return m_connection->isConnected();
}

bool PrivateBus::startMock(const QString &templateName, const QString &busName, const QString &parameters)
{
    stopMock();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
    environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_address);
    m_mock.setProcessEnvironment(environment);
    m_mock.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QStringList arguments { QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--session"),
        QStringLiteral("--template"), templateName };
    if (!parameters.isEmpty())
        arguments << QStringLiteral("--parameters") << parameters;
    m_mock.start(Python, arguments);
    if (!m_mock.waitForStarted())
        return false;
    m_mockName = busName;
    QDeadlineTimer deadline(StartTimeoutMs);
    while (!m_connection->interface()->isServiceRegistered(busName) && !deadline.hasExpired())
        QTest::qWait(50);
    return m_connection->interface()->isServiceRegistered(busName);
}

void PrivateBus::stopMock()
{
    end(m_mock);
    if (m_mockName.isEmpty())
        return;
    QDeadlineTimer deadline(StartTimeoutMs);
    while (m_connection->interface()->isServiceRegistered(m_mockName) && !deadline.hasExpired())
        QTest::qWait(20);
    m_mockName.clear();
}

QDBusMessage PrivateBus::toMock(const QString &path, const QString &method, const QVariantList &arguments)
{
    QDBusMessage request = QDBusMessage::createMethodCall(m_mockName, path, MockInterface, method);
    request.setArguments(arguments);
    return m_connection->call(request);
}

QList<PrivateBus::Call> PrivateBus::calls(const QString &path)
{
    const QDBusMessage reply = toMock(path, QStringLiteral("GetCalls"));
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

QList<PrivateBus::Call> PrivateBus::calls(const QString &path, const QString &method)
{
    QList<Call> result = calls(path);
    result.removeIf([&](const Call &call) { return call.method != method; });
    return result;
}
