// SPDX-License-Identifier: MIT
// The store's rows as the exchange formats see them: days and times with the no-date value
// turned into "none", and reminders by number.
#pragma once

#include "store/Database.h"

#include <QDate>
#include <QHash>
#include <QTime>

namespace exchange {

/// A local day and time of day; either may be invalid, meaning none.
struct Moment
{
    QDate date;
    QTime time;
};

/// The day and time of two columns of a row; the no-date value gives none.
Moment momentOf(const store::Record &row, int dateColumn, int timeColumn);
/// The day of one column; the no-date value gives an invalid day.
QDate dayOf(const store::Record &row, int column);

/// The values to store for a day and a time; none becomes the no-date value.
QString storedDay(QDate date);
QString storedTimeOfDay(QTime time);

struct Reminder
{
    Moment due;
    QString sound;
    QString message;
    QString program;
};

/// The reminders by number; of two rows with one number the first in table order counts, as for
/// the editors.
QHash<qint64, Reminder> remindersByNumber(const store::Database &db);

/// The texts the reminder settings store for "none".
inline const QString NoSound = QStringLiteral("No Sound");
inline const QString NoProgram = QStringLiteral("No Prg");

/// A contact's phone columns hold "0" when there is no number.
inline const QString NoPhone = QStringLiteral("0");

} // namespace exchange
