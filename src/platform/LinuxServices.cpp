// SPDX-License-Identifier: MIT
#include "platform/LinuxServices.h"

#include "platform/DesktopShell.h"
#include "platform/FreedesktopNotifier.h"
#include "platform/KeychainSecrets.h"
#include "platform/LogindExit.h"
#include "platform/ModuleSoundPlayer.h"
#include "platform/QtDialogs.h"
#include "platform/QtLifecycle.h"
#include "platform/QtTrayIcon.h"
#include "platform/SystemClock.h"
#include "platform/XdgAutoStart.h"

namespace {

/// Reaches the system bus only when a computer event is carried out, never at start.
class SystemBusExit final : public SystemExit
{
public:
    ActionResult exitSystem(int flags) override
    {
        if (!m_logind)
            m_logind = std::make_unique<LogindExit>(QDBusConnection::systemBus(), LogindExit::ownSession());
        return m_logind->exitSystem(flags);
    }

private:
    std::unique_ptr<LogindExit> m_logind;
};

/// Reaches the session bus at the first notification, never at start.
class SessionBusNotifier final : public DesktopNotifier
{
public:
    quint32 show(const DesktopNotification &notification) override
    {
        if (!m_notifier) {
            m_notifier = std::make_unique<FreedesktopNotifier>(QDBusConnection::sessionBus());
            connect(m_notifier.get(), &DesktopNotifier::actionInvoked, this, &DesktopNotifier::actionInvoked);
            connect(m_notifier.get(), &DesktopNotifier::closed, this, &DesktopNotifier::closed);
        }
        return m_notifier->show(notification);
    }
    void close(quint32 id) override
    {
        if (m_notifier)
            m_notifier->close(id);
    }

private:
    std::unique_ptr<FreedesktopNotifier> m_notifier;
};

} // namespace

Services makeLinuxServices(const QString &moduleFolder)
{
    Services services;
    services.clock = std::make_shared<SystemClock>();
    services.dialogs = std::make_shared<QtDialogs>();
    services.shell = std::make_shared<DesktopShell>();
    services.sound = std::make_shared<ModuleSoundPlayer>(moduleFolder);
    services.tray = std::make_shared<QtTrayIcon>();
    services.autoStart = std::make_shared<XdgAutoStart>();
    services.systemExit = std::make_shared<SystemBusExit>();
    services.lifecycle = std::make_shared<QtLifecycle>();
    services.notifier = std::make_shared<SessionBusNotifier>();
    services.secrets = std::make_shared<KeychainSecrets>();
    return services;
}
