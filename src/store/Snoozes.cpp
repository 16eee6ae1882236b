// SPDX-License-Identifier: MIT
#include "store/Snoozes.h"

#include "store/DateTimeText.h"

#include <QSqlQuery>

namespace store {
namespace {

const QString KindNames[]
    = { QStringLiteral("task"), QStringLiteral("schedule"), QStringLiteral("note"), QStringLiteral("birthday") };

QString kindName(ReminderKind kind)
{
    return KindNames[int(kind)];
}

std::optional<ReminderKind> kindNamed(const QString &name)
{
    for (int kind = 0; kind < int(std::size(KindNames)); ++kind)
        if (KindNames[kind] == name)
            return ReminderKind(kind);
    return std::nullopt;
}

} // namespace

QList<Snooze> snoozes(const Database &db)
{
    QSqlQuery q = db.run(QStringLiteral("SELECT snooze_kind, rem_no, snooze_date, snooze_time FROM reminder_snooze "
                                        "ORDER BY snooze_date, snooze_time, rowid"));
    QList<Snooze> result;
    while (q.next())
        if (const auto kind = kindNamed(q.value(0).toString()))
            result << Snooze { *kind, q.value(1).toLongLong(), storedDate(q.value(2).toString()),
                storedTime(q.value(3).toString()) };
    return result;
}

void putOff(Database &db, ReminderKind kind, qint64 remNo, const QDateTime &moment)
{
    db.run(QStringLiteral("INSERT OR REPLACE INTO reminder_snooze (snooze_kind, rem_no, snooze_date, snooze_time) "
                          "VALUES (?, ?, ?, ?)"),
        { kindName(kind), remNo, storedDateOf(moment.date()), storedTimeOf(moment.time()) });
}

void removeSnooze(Database &db, ReminderKind kind, qint64 remNo)
{
    db.run(
        QStringLiteral("DELETE FROM reminder_snooze WHERE snooze_kind = ? AND rem_no = ?"), { kindName(kind), remNo });
}

} // namespace store
