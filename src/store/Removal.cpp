// SPDX-License-Identifier: MIT
#include "store/Removal.h"

#include "store/Database.h"
#include "store/Repeats.h"

namespace store {
namespace {

/// The column that holds a record's reminder number, by table.
int reminderColumn(Table table)
{
    switch (table) {
    case Table::Task:
        return 8;
    case Table::Schedule:
        return 10;
    case Table::Note:
        return 5;
    case Table::Birthday:
        return 3;
    default:
        return -1;
    }
}

void removeReminders(Database &db, qint64 remNo)
{
    if (remNo != 0)
        db.write(QStringLiteral("DELETE FROM REMINDER_INFO WHERE rem_no = ?"), { remNo });
}

} // namespace

void removeRecord(Database &db, Table table, qint64 rowid)
{
    const QList<Record> rows = db.records(table, QStringLiteral("rowid = ?"), { rowid });
    if (rows.isEmpty())
        return;
    const Record &row = rows.first();
    if (table == Table::Contact) {
        for (const Record &birthday : db.records(Table::Birthday, QStringLiteral("birthday_contact_no = ?"), { row.number(0) }))
            removeRecord(db, Table::Birthday, birthday.rowid);
    } else if (table == Table::Task || table == Table::Schedule) {
        for (const qint64 occurrence : occurrencesOf(db, table, rowid))
            removeRecord(db, table, occurrence);
    }
    if (const int column = reminderColumn(table); column >= 0)
        removeReminders(db, row.number(column));
    db.remove(table, rowid);
}

} // namespace store
