// SPDX-License-Identifier: MIT
#include "reminders/rules/DueWatch.h"

#include "reminders/rules/ReminderRules.h"

namespace reminders {

void DueWatch::startAt(const QDateTime &now)
{
    m_lastScanned = wallSecond(now) - 1;
}

void DueWatch::rescanCurrentSecond(const QDateTime &now)
{
    m_lastScanned = std::min(m_lastScanned, wallSecond(now) - 1);
}

void DueWatch::watch(const QList<std::pair<QDate, QTime>> &instants, QDate day)
{
    m_instants = instants;
    m_index.rebuild(m_instants, day);
}

QList<int> DueWatch::dueUntil(const QDateTime &now)
{
    if (m_index.day() != now.date())
        m_index.rebuild(m_instants, now.date());
    const SecondsToScan seconds = secondsToScan(m_lastScanned, wallSecond(now));
    m_lastScanned = seconds.upTo;
    return m_index.dueBetween(seconds.after, seconds.upTo);
}

} // namespace reminders
