// SPDX-License-Identifier: MIT
#pragma once

#include "exchange/Matching.h"
#include "store/Database.h"

#include <QByteArray>

namespace exchange {

/// Stores the to-dos, events and journal entries of an iCalendar text as tasks, schedules and
/// notes with their reminders; a birthday event of ours becomes the reminder of the contact's
/// birthday. A component that cannot be stored whole is left out and named in the report.
/// Runs inside the caller's transaction; throws store::Error when the store refuses a write.
/// Reads the calendar's records into the store, matched by UID. Throws Cancelled when the
/// options' progress asks to stop.
void importCalendar(store::Database &db, const QByteArray &text, Report &report, const ImportOptions &options,
    Matcher &matcher);

} // namespace exchange
