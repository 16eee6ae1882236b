// SPDX-License-Identifier: MIT
// Deleting a record with everything that hangs on it.
#pragma once

#include "store/Schema.h"

namespace store {

class Database;

/// Deletes a task, schedule, note or contact with its reminder rows; a series with its changed
/// occurrences and theirs; a contact with its birthday rows and their reminders. Nothing when the
/// row is gone.
void removeRecord(Database &db, Table table, qint64 rowid);

} // namespace store
