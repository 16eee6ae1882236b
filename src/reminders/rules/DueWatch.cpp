// SPDX-License-Identifier: MIT
#include "reminders/rules/DueWatch.h"

#include "reminders/rules/ReminderRules.h"

namespace reminders {

namespace {
constexpr qint64 SecondsPerDay = 24 * 60 * 60;
}

void DueWatch::startAt(const QDateTime &now)
{
    m_lastScanned = wallSecond(now) - 1;
}

void DueWatch::rescanCurrentSecond(const QDateTime &now)
{
    m_lastScanned = std::min(m_lastScanned, wallSecond(now) - 1);
}

void DueWatch::watch(const QList<std::pair<QDate, QTime>> &instants, QDate day, const DueIndex::Yearly &yearly)
{
    m_instants = instants;
    m_yearly = yearly;
    m_index.rebuild(m_instants, day, m_yearly);
}

QList<int> DueWatch::dueUntil(const QDateTime &now)
{
    if (m_index.day() != now.date())
        m_index.rebuild(m_instants, now.date(), m_yearly);
    const SecondsToScan seconds = secondsToScan(m_lastScanned, wallSecond(now));
    m_lastScanned = seconds.upTo;
    return m_index.dueBetween(seconds.after, seconds.upTo);
}

qint64 DueWatch::nextWake(const QDateTime &now) const
{
    const qint64 current = wallSecond(now);
    if (current < m_lastScanned || m_index.day() != now.date())
        return current;
    const qint64 midnight = wallSecond(now.date().addDays(1), QTime(0, 0));
    const qint64 due = m_index.nextDueAfter(m_lastScanned);
    return due < 0 ? midnight : std::min(due, midnight);
}

qint64 DueWatch::msecsToWake(const QDateTime &now) const
{
    // Through the moment itself, so that a change to or from summer time is counted.
    const qint64 wake = nextWake(now);
    QDateTime moment = now;
    moment.setDate(QDate::fromJulianDay(wake / SecondsPerDay));
    moment.setTime(QTime(0, 0).addSecs(int(wake % SecondsPerDay)));
    return std::max<qint64>(now.msecsTo(moment), 0);
}

} // namespace reminders
