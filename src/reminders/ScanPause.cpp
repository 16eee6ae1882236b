// SPDX-License-Identifier: MIT
#include "reminders/ScanPause.h"

#include "app/Frm_Main.h"
#include "app/Orrisday.h"
#include "reminders/ReminderScan.h"

void setReminderScanRunning(Orrisday &app, bool running)
{
    ReminderScan &scan = app.mainWindow().reminderScan();
    if (running)
        scan.start();
    else
        scan.stop();
}
