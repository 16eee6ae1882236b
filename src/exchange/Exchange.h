// SPDX-License-Identifier: MIT
// Export of the whole store to iCalendar and vCard files, and import of such files.
#pragma once

#include "exchange/Matching.h"
#include "store/Database.h"

namespace exchange {

/// Writes every task, schedule, note and birthday, with their reminders, as an .ics file.
Report exportCalendar(const store::Database &db, const QString &file);
/// Writes every contact as a vCard 4.0 in a .vcf file.
Report exportContacts(const store::Database &db, const QString &file);
/// Reads iCalendar and vCard files into the store in one transaction, the vCard files first:
/// all they could read, or, when a file is refused, the store fails or the import is cancelled,
/// nothing. Records are matched by UID: a known one is updated when the file's copy changed later.
Report importFiles(store::Database &db, const QStringList &files, const ImportOptions &options = {});
/// Reads one iCalendar or vCard file as importFiles does.
Report importFile(store::Database &db, const QString &file, const ImportOptions &options = {});
/// The programs the files' reminders would start, each once.
QStringList programsIn(const QStringList &files);

} // namespace exchange
