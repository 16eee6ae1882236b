// SPDX-License-Identifier: MIT
// A D-Bus daemon of the test's own with python3-dbusmock's mocks on it. This process's session and
// system bus addresses point at it, so nothing in the test reaches the machine's own buses; the
// daemon and the mock are ended by their process ids.
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <optional>

class PrivateBus
{
public:
    /// A call an object of the mock received.
    struct Call
    {
        QString method;
        QVariantList arguments;
    };

    PrivateBus() = default;
    ~PrivateBus();
    Q_DISABLE_COPY_MOVE(PrivateBus)

    /// Whether python3-dbusmock can run (scripts/install-deps.sh installs it).
    static bool mockAvailable();

    /// Starts the daemon; false when it does not come up.
    bool start();
    /// Starts a mock template on the bus, ending the one that runs, and waits until it owns its
    /// bus name. `parameters` is the template's JSON parameters, if any.
    bool startMock(const QString &templateName, const QString &busName, const QString &parameters = {});
    /// Ends the mock and waits until its name has left the bus.
    void stopMock();

    QDBusConnection &connection() { return *m_connection; }
    QString address() const { return m_address; }

    /// Calls the mock's control interface (org.freedesktop.DBus.Mock) on one of its objects.
    QDBusMessage toMock(const QString &path, const QString &method, const QVariantList &arguments = {});
    /// The calls the object received, in order.
    QList<Call> calls(const QString &path);
    /// The calls of one method that the object received, in order.
    QList<Call> calls(const QString &path, const QString &method);

private:
    static void end(QProcess &child);

    QProcess m_daemon;
    QProcess m_mock;
    QString m_address;
    QString m_mockName;
    std::optional<QDBusConnection> m_connection;
};
