// SPDX-License-Identifier: MIT
// Export of the whole store to iCalendar and vCard files, and import of such files.
#pragma once

#include "exchange/Report.h"
#include "store/Database.h"

namespace exchange {

/// Writes every task, schedule, note and birthday, with their reminders, as an .ics file.
Report exportCalendar(const store::Database &db, const QString &file);
/// Writes every contact as a vCard 4.0 in a .vcf file.
Report exportContacts(const store::Database &db, const QString &file);
/// Reads an iCalendar or vCard file into the store in one transaction: all it could read, or,
/// when the file is refused or the store fails, nothing.
Report importFile(store::Database &db, const QString &file);

} // namespace exchange
