// SPDX-License-Identifier: MIT
#include "platform/LinuxServices.h"

#include "platform/DesktopShell.h"
#include "platform/LogindExit.h"
#include "platform/QtDialogs.h"
#include "platform/QtLifecycle.h"
#include "platform/QtSoundPlayer.h"
#include "platform/QtTrayIcon.h"
#include "platform/SystemClock.h"
#include "platform/XdgAutoStart.h"

Services makeLinuxServices()
{
    Services services;
    services.clock = std::make_shared<SystemClock>();
    services.dialogs = std::make_shared<QtDialogs>();
    services.shell = std::make_shared<DesktopShell>();
    services.sound = std::make_shared<QtSoundPlayer>();
    services.tray = std::make_shared<QtTrayIcon>();
    services.autoStart = std::make_shared<XdgAutoStart>();
    services.systemExit = std::make_shared<LogindExit>(QDBusConnection::systemBus(), LogindExit::ownSession());
    services.lifecycle = std::make_shared<QtLifecycle>();
    return services;
}
