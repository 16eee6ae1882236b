// SPDX-License-Identifier: MIT
#include "reminders/ScanPause.h"

#include "app/Frm_Main.h"
#include "app/Orrisday.h"

#include <QTimer>

void setReminderScanRunning(Orrisday &app, bool running)
{
    auto *timer = app.mainWindow().findChild<QTimer *>(QStringLiteral("Timer_popup"));
    if (!timer)
        return;
    if (running)
        timer->start();
    else
        timer->stop();
}
