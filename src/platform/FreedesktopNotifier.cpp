// SPDX-License-Identifier: MIT
#include "platform/FreedesktopNotifier.h"

#include "platform/ApplicationId.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString Interface = QStringLiteral("org.freedesktop.Notifications");
constexpr uchar NormalUrgency = 1;
constexpr uchar CriticalUrgency = 2;
constexpr int NeverExpires = 0;

QDBusMessage request(const QString &method, const QVariantList &arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(Service, Path, Interface, method);
    message.setArguments(arguments);
    return message;
}

} // namespace

FreedesktopNotifier::FreedesktopNotifier(const QDBusConnection &bus)
    : m_bus(bus)
{
}

void FreedesktopNotifier::listen()
{
    if (m_listening)
        return;
    m_listening = true;
    m_bus.connect(
        Service, Path, Interface, QStringLiteral("ActionInvoked"), this, SLOT(serviceActionInvoked(uint, QString)));
    m_bus.connect(
        Service, Path, Interface, QStringLiteral("NotificationClosed"), this, SLOT(serviceClosed(uint, uint)));
}

quint32 FreedesktopNotifier::show(const DesktopNotification &notification)
{
    const quint32 id = ++m_lastId;
    if (!m_bus.isConnected())
        return id;
    listen();
    m_pending.insert(id);
    // The service's capabilities decide whether the actions are offered and how the body is written.
    auto *call = new QDBusPendingCallWatcher(m_bus.asyncCall(request(QStringLiteral("GetCapabilities"))), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, id, notification](QDBusPendingCallWatcher *call) {
        call->deleteLater();
        const QDBusPendingReply<QStringList> capabilities = *call;
        if (capabilities.isError()) {
            m_pending.remove(id);
            m_closedWhilePending.remove(id);
            return;
        }
        notify(id, notification, capabilities.value());
    });
    return id;
}

void FreedesktopNotifier::notify(quint32 id, const DesktopNotification &notification, const QStringList &capabilities)
{
    if (m_closedWhilePending.remove(id)) {
        m_pending.remove(id);
        return;
    }
    QStringList actions;
    if (capabilities.contains(QStringLiteral("actions")))
        for (const auto &[key, label] : notification.actions)
            actions << key << label;
    const QString body
        = capabilities.contains(QStringLiteral("body-markup")) ? notification.body.toHtmlEscaped() : notification.body;
    const QVariantMap hints {
        { QStringLiteral("desktop-entry"), ApplicationId },
        // The program plays the reminder's own sound.
        { QStringLiteral("suppress-sound"), true },
        { QStringLiteral("urgency"), QVariant::fromValue(notification.critical ? CriticalUrgency : NormalUrgency) },
    };
    const QDBusMessage message = request(QStringLiteral("Notify"),
        { QStringLiteral("Orrisday"), uint(0), ApplicationId, notification.summary, body, actions, hints,
            NeverExpires });
    auto *call = new QDBusPendingCallWatcher(m_bus.asyncCall(message), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, id](QDBusPendingCallWatcher *call) {
        call->deleteLater();
        const QDBusPendingReply<uint> serviceId = *call;
        m_pending.remove(id);
        if (serviceId.isError()) {
            m_closedWhilePending.remove(id);
            return;
        }
        shown(id, serviceId.value());
    });
}

void FreedesktopNotifier::shown(quint32 id, uint serviceId)
{
    if (m_closedWhilePending.remove(id))
        closeOnService(serviceId);
    else
        m_serviceIds.insert(id, serviceId);
}

void FreedesktopNotifier::close(quint32 id)
{
    if (m_pending.contains(id))
        m_closedWhilePending.insert(id);
    else if (m_serviceIds.contains(id))
        closeOnService(m_serviceIds.take(id));
}

void FreedesktopNotifier::closeOnService(uint serviceId)
{
    m_bus.asyncCall(request(QStringLiteral("CloseNotification"), { serviceId }));
}

void FreedesktopNotifier::serviceActionInvoked(uint serviceId, const QString &action)
{
    // The service tells every client; only our own notifications are known here.
    const quint32 id = m_serviceIds.key(serviceId, 0);
    if (id != 0)
        emit actionInvoked(id, action);
}

void FreedesktopNotifier::serviceClosed(uint serviceId, uint /*reason*/)
{
    const quint32 id = m_serviceIds.key(serviceId, 0);
    if (id == 0)
        return;
    m_serviceIds.remove(id);
    emit closed(id);
}
