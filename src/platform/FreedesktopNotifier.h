// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Services.h"

#include <QDBusConnection>
#include <QHash>
#include <QSet>

/// Desktop notifications through the org.freedesktop.Notifications service. Every call is
/// asynchronous, so a slow or missing service never holds the program up; the bus is first
/// reached by the first notification.
class FreedesktopNotifier final : public DesktopNotifier
{
    Q_OBJECT
public:
    /// `bus` is where the service answers (the session bus, in the program).
    explicit FreedesktopNotifier(const QDBusConnection &bus);

    quint32 show(const DesktopNotification &notification) override;
    void close(quint32 id) override;

private slots:
    // Connected by Qt D-Bus, which names the slots by their signatures.
    void serviceActionInvoked(uint serviceId, const QString &action);
    void serviceClosed(uint serviceId, uint reason);

private:
    void listen();
    void notify(quint32 id, const DesktopNotification &notification, const QStringList &capabilities);
    void shown(quint32 id, uint serviceId);
    void closeOnService(uint serviceId);

    QDBusConnection m_bus;
    bool m_listening = false;
    quint32 m_lastId = 0;
    QSet<quint32> m_pending; ///< asked for, not yet shown
    QSet<quint32> m_closedWhilePending; ///< closed before the service answered
    QHash<quint32, uint> m_serviceIds; ///< shown: our id and the service's
};
