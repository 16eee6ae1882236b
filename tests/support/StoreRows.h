// SPDX-License-Identifier: MIT
// Rows seeded straight into the store and read back as texts, as the windows show them.
#pragma once

#include "store/Database.h"
#include "store/StoreError.h"

#include <functional>

/// A task row; the defaults are a plain business task of 12/7/2026 at 9:00:00 without reminder.
inline void seedTask(store::Database &db, qint64 code, const QString &name, qint64 remNo = 0,
    const QString &category = "Business", const QString &priority = "High", const QString &description = "notes",
    const QString &date = "12/7/2026", const QString &time = "9 : 0 : 0")
{
    db.insert(store::Table::Task,
        { { 0, code }, { 1, name }, { 2, description }, { 3, date }, { 4, time }, { 5, QStringLiteral("Not Started") },
            { 6, priority }, { 7, category }, { 8, remNo } });
}

/// A schedule row; the defaults: business, 12/7/2026 from 9:00:00 to 10:00:00, no reminder.
inline void seedSchedule(store::Database &db, qint64 code, const QString &name, qint64 remNo = 0,
    const QString &category = "Business", const QString &priority = "High", const QString &dueDate = "12/7/2026",
    const QString &description = "notes")
{
    db.insert(store::Table::Schedule,
        { { 0, code }, { 1, name }, { 2, description }, { 3, QStringLiteral("12/7/2026") },
            { 4, QStringLiteral("9 : 0 : 0") }, { 5, dueDate }, { 6, QStringLiteral("10 : 0 : 0") },
            { 7, QStringLiteral("Not Started") }, { 8, priority }, { 9, category }, { 10, remNo } });
}

/// A note row of 12/7/2026 at 9:00:00.
inline void seedNote(
    store::Database &db, qint64 code, const QString &name, qint64 remNo = 0, const QString &description = "notes")
{
    db.insert(store::Table::Note,
        { { 0, code }, { 1, name }, { 2, description }, { 3, QStringLiteral("12/7/2026") },
            { 4, QStringLiteral("9 : 0 : 0") }, { 5, remNo } });
}

inline void seedReminder(store::Database &db, qint64 remNo, const QString &date = "12/8/2026",
    const QString &time = "8 : 15 : 20", const QString &sound = "No Sound",
    const QString &message = "Please Check This Out", const QString &program = "No Prg")
{
    db.insert(store::Table::Reminder,
        { { 0, remNo }, { 1, date }, { 2, time }, { 3, sound }, { 4, message }, { 5, program } });
}

/// Column texts of every row of a table, in table order.
inline QList<QStringList> tableTexts(store::Database &db, store::Table table)
{
    QList<QStringList> rows;
    for (const store::Record &row : db.records(table)) {
        QStringList texts;
        for (int i = 0; i < row.values.size(); ++i)
            texts << row.text(i);
        rows << texts;
    }
    return rows;
}

/// Every row of a table, its column texts joined by |, in table order.
inline QStringList joinedRows(store::Database &db, store::Table table)
{
    QStringList rows;
    for (const QStringList &row : tableTexts(db, table))
        rows << row.join('|');
    return rows;
}

/// The code of the store error the work throws; 0 when it throws none.
inline int storeErrorOf(const std::function<void()> &work)
{
    try {
        work();
    } catch (const store::Error &e) {
        return e.code();
    }
    return 0;
}
