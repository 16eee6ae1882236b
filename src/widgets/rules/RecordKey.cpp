// SPDX-License-Identifier: MIT
#include "widgets/rules/RecordKey.h"

namespace records {

bool matchesKey(const store::Record &row, const RecordKey &key, KeyColumns columns)
{
    return row.text(columns.name) == key.name && row.text(columns.date) == key.date
        && row.text(columns.time) == key.time;
}

QList<store::Record> matchingRows(const QList<store::Record> &rows, const RecordKey &key, KeyColumns columns)
{
    QList<store::Record> found;
    for (const store::Record &row : rows)
        if (matchesKey(row, key, columns))
            found << row;
    return found;
}

} // namespace records
