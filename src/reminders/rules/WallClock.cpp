// SPDX-License-Identifier: MIT
#include "reminders/rules/WallClock.h"

#include <algorithm>

namespace reminders {

namespace {

constexpr qint64 SecondsPerDay = 24 * 60 * 60;
// The wall second of 1970-01-01 00:00:00, where instants count from.
constexpr qint64 EpochWall = 2440588 * SecondsPerDay;
// A day holds a few changes of offset at most; more is a broken zone, not a reason to loop.
constexpr int MostChanges = 16;

QDateTime utc(qint64 instant)
{
    return QDateTime::fromSecsSinceEpoch(instant, Qt::UTC);
}

} // namespace

qint64 wallSecond(QDate date, QTime time)
{
    if (!date.isValid() || !time.isValid())
        return -1;
    return date.toJulianDay() * SecondsPerDay + time.msecsSinceStartOfDay() / 1000;
}

qint64 wallSecond(const QDateTime &moment)
{
    return wallSecond(moment.date(), moment.time());
}

QDate wallDay(qint64 wall)
{
    return QDate::fromJulianDay(wall / SecondsPerDay);
}

QTime wallTime(qint64 wall)
{
    return QTime::fromMSecsSinceStartOfDay(int(wall % SecondsPerDay) * 1000);
}

qint64 wallSecondAt(qint64 instant, const QTimeZone &zone)
{
    return EpochWall + instant + zone.offsetFromUtc(utc(instant));
}

// Through the stretches of constant offset from `from` on: within one the clock moves with the
// instants, so it reaches `wall` at wall - offset, unless a change of offset comes first.
qint64 firstInstantShowing(qint64 wall, qint64 from, const QTimeZone &zone)
{
    qint64 start = from;
    for (int i = 0; i < MostChanges; ++i) {
        const qint64 reached = wall - EpochWall - zone.offsetFromUtc(utc(start));
        if (reached <= start)
            return start;
        const QTimeZone::OffsetData change = zone.nextTransition(utc(start));
        if (!change.atUtc.isValid() || reached < change.atUtc.toSecsSinceEpoch())
            return reached;
        start = change.atUtc.toSecsSinceEpoch();
    }
    return start;
}

qint64 instantOf(qint64 wall, const QTimeZone &zone)
{
    // A day before, every zone's clock shows an earlier second.
    return firstInstantShowing(wall, wall - EpochWall - SecondsPerDay, zone);
}

qint64 highestWallShownBy(qint64 instant, const QTimeZone &zone)
{
    qint64 highest = wallSecondAt(instant, zone);
    QDateTime after = utc(instant + 1);
    for (int i = 0; i < MostChanges; ++i) {
        const QTimeZone::OffsetData change = zone.previousTransition(after);
        if (!change.atUtc.isValid() || change.atUtc.toSecsSinceEpoch() <= instant - SecondsPerDay)
            break;
        highest = std::max(highest, wallSecondAt(change.atUtc.toSecsSinceEpoch() - 1, zone));
        after = change.atUtc;
    }
    return highest;
}

QTimeZone zoneOf(const QDateTime &moment)
{
    const QTimeZone zone = moment.timeZone();
    if (zone.isValid() && zone.offsetFromUtc(moment) == moment.offsetFromUtc())
        return zone;
    return QTimeZone(moment.offsetFromUtc());
}

qint64 secondsLate(qint64 wall, const QDateTime &now, const QTimeZone &zone)
{
    const qint64 byWall = wallSecond(now) - wall;
    const qint64 byInstant = now.toSecsSinceEpoch() - instantOf(wall, zone);
    return std::max<qint64>(0, std::min(byWall, byInstant));
}

} // namespace reminders
