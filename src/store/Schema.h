// SPDX-License-Identifier: MIT
#pragma once

#include "store/DateTimeText.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace store {

enum class Table { Task, Schedule, Note, Contact, Birthday, Reminder, Event };

/// One table of the store: its name, its columns in order, and which hold dates or times.
struct TableInfo
{
    QString name;
    QStringList columns;
    QMap<int, ValueKind> dateTimeColumns;
    QString createStatement;

    bool isDateTime(int column) const { return dateTimeColumns.contains(column); }
};

/// The seven tables in the order they are created.
const QList<TableInfo> &allTables();
const TableInfo &tableInfo(Table table);

/// The tables of the program's own facts beside the seven (options, snoozed reminders); created
/// when missing.
const QStringList &ownTableStatements();

/// Indexes that speed up lookups without constraining the rows; created when missing.
const QStringList &indexStatements();

} // namespace store
