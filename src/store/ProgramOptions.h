// SPDX-License-Identifier: MIT
// The options the program keeps between runs, in a table of their own.
#pragma once

#include "store/Database.h"

namespace store {

/// Whether raised reminders also go to the desktop's notification service; on until switched off.
bool desktopNotificationsOn(const Database &db);
void setDesktopNotifications(Database &db, bool on);

} // namespace store
