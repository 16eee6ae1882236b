// SPDX-License-Identifier: MIT
// Tasks, schedules and notes are found again by the texts of their name, date and time columns.
#pragma once

#include "store/Database.h"

#include <QString>

namespace records {

/// The name, date and time of a record as its list shows them.
struct RecordKey
{
    QString name;
    QString date;
    QString time;

    bool isEmpty() const { return name.isEmpty() && date.isEmpty() && time.isEmpty(); }
};

/// Where a table keeps the columns of the key.
struct KeyColumns
{
    int name = 1;
    int date = 3;
    int time = 4;
};

/// Whether a row's name, date and time read back exactly as the key's texts.
bool matchesKey(const store::Record &row, const RecordKey &key, KeyColumns columns = {});

/// The rows that match, in table order.
QList<store::Record> matchingRows(const QList<store::Record> &rows, const RecordKey &key, KeyColumns columns = {});

} // namespace records
