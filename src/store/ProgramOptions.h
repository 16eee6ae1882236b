// SPDX-License-Identifier: MIT
// The options the program keeps between runs, in a table of their own.
#pragma once

#include "store/Database.h"

#include <optional>

namespace store {

/// The value kept under the name; none when none is kept.
std::optional<QString> programOption(const Database &db, const QString &name);
void setProgramOption(Database &db, const QString &name, const QString &value);

/// Whether raised reminders also go to the desktop's notification service; on until switched off.
bool desktopNotificationsOn(const Database &db);
void setDesktopNotifications(Database &db, bool on);

} // namespace store
