// SPDX-License-Identifier: MIT
#include "platform/LinuxServices.h"

#include "platform/DesktopShell.h"
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
    return services;
}
