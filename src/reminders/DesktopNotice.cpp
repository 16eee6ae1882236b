// SPDX-License-Identifier: MIT
#include "reminders/DesktopNotice.h"

#include "context/AppContext.h"
#include "store/ProgramOptions.h"

quint32 notifyDesktop(AppContext &app, const DesktopNotification &notification)
{
    bool on = true;
    try {
        on = store::desktopNotificationsOn(app.db());
    } catch (const store::Error &) {
        // An option that cannot be read keeps its default.
    }
    return on ? app.services().notifier->show(notification) : 0;
}
