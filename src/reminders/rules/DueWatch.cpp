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

} // namespace reminders
