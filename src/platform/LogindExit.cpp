// SPDX-License-Identifier: MIT
#include "platform/LogindExit.h"

#include <QDBusError>
#include <QDBusMessage>

namespace {

const QString Service = QStringLiteral("org.freedesktop.login1");
const QString ManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString Manager = QStringLiteral("org.freedesktop.login1.Manager");
constexpr int ReplyTimeoutMs = 10000;

QString refusalText(const QDBusError &error)
{
    const QString name = error.name();
    if (name == QLatin1String("org.freedesktop.DBus.Error.AccessDenied")
        || name == QLatin1String("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired"))
        return QStringLiteral("the system does not permit this user to do it (%1)").arg(error.message());
    if (name == QLatin1String("org.freedesktop.login1.NoSuchSession"))
        return QStringLiteral("the session to end was not found (%1)").arg(error.message());
    if (name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown")
        || name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner"))
        return QStringLiteral("the system's login manager (systemd-logind) is not running");
    if (name == QLatin1String("org.freedesktop.DBus.Error.Disconnected") || name.isEmpty())
        return QStringLiteral("the system bus cannot be reached");
    return error.message().isEmpty() ? name : error.message();
}

} // namespace

LogindExit::LogindExit(const QDBusConnection &bus, const QString &sessionId)
    : m_bus(bus), m_session(sessionId.isEmpty() ? QStringLiteral("auto") : sessionId)
{
}

QString LogindExit::ownSession()
{
    return qEnvironmentVariable("XDG_SESSION_ID", QStringLiteral("auto"));
}

ActionResult LogindExit::exitSystem(int flags)
{
    switch (flags) {
    case LogOff:
        return call(QStringLiteral("TerminateSession"), { m_session });
    case ShutDown:
    case PowerOff:
        return call(QStringLiteral("PowerOff"), { false });
    case Restart:
        return call(QStringLiteral("Reboot"), { false });
    default:
        return ActionResult::refused(QStringLiteral("no computer event has the exit flags %1").arg(flags));
    }
}

ActionResult LogindExit::call(const QString &method, const QVariantList &arguments)
{
    if (!m_bus.isConnected())
        return ActionResult::refused(QStringLiteral("the system bus cannot be reached"));
    QDBusMessage request = QDBusMessage::createMethodCall(Service, ManagerPath, Manager, method);
    request.setArguments(arguments);
    const QDBusMessage reply = m_bus.call(request, QDBus::Block, ReplyTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage)
        return ActionResult::refused(refusalText(QDBusError(reply)));
    return {};
}
