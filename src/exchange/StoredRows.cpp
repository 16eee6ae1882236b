// SPDX-License-Identifier: MIT
#include "exchange/StoredRows.h"

#include "store/DateTimeText.h"

namespace exchange {
namespace {

bool isNoDate(QDate date)
{
    static const QDate noDate = store::parseDate(store::NoDate);
    return date == noDate;
}

QString rawText(const store::Record &row, int column)
{
    return row.values.value(column).toString();
}

} // namespace

QDate dayOf(const store::Record &row, int column)
{
    const QDate date = store::storedDate(rawText(row, column));
    return isNoDate(date) ? QDate() : date;
}

Moment momentOf(const store::Record &row, int dateColumn, int timeColumn)
{
    Moment moment{dayOf(row, dateColumn), store::storedTime(rawText(row, timeColumn))};
    if (!moment.date.isValid())
        moment.time = QTime();
    return moment;
}

QString storedDay(QDate date)
{
    return date.isValid() ? store::storedDateOf(date) : store::NoDate;
}

QString storedTimeOfDay(QTime time)
{
    return time.isValid() ? store::storedTimeOf(time) : store::NoDate;
}

QHash<qint64, Reminder> remindersByNumber(const store::Database &db)
{
    QHash<qint64, Reminder> reminders;
    for (const store::Record &row : db.records(store::Table::Reminder)) {
        const qint64 number = row.number(0);
        if (!reminders.contains(number))
            reminders.insert(number, {momentOf(row, 1, 2), row.text(3), row.text(4), row.text(5)});
    }
    return reminders;
}

} // namespace exchange
