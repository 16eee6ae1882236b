// SPDX-License-Identifier: MIT
// Reminders put off to a later moment, in a table of their own: one snooze per reminder.
#pragma once

#include "store/Views.h"

#include <QDateTime>

namespace store {

struct Snooze
{
    ReminderKind kind;
    qint64 remNo;
    QDate date;
    QTime time;
};

/// Every snooze, soonest first.
QList<Snooze> snoozes(const Database &db);
/// Puts the reminder off to the moment; a snooze it already has is replaced.
void putOff(Database &db, ReminderKind kind, qint64 remNo, const QDateTime &moment);
/// Forgets the reminder's snooze.
void removeSnooze(Database &db, ReminderKind kind, qint64 remNo);

} // namespace store
