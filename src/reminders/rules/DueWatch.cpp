// SPDX-License-Identifier: MIT
#include "reminders/rules/DueWatch.h"

#include "reminders/rules/ReminderRules.h"

#include <limits>
#include <optional>

namespace reminders {

void DueWatch::startAt(const QDateTime &now)
{
    m_lastScanned = wallSecond(now) - 1;
    m_settled = std::max(m_lastScanned, highestWallShownBy(now.toSecsSinceEpoch() - 1, zoneOf(now)));
    m_handedOut.clear();
}

void DueWatch::rescanCurrentSecond(const QDateTime &now)
{
    m_lastScanned = std::min(m_lastScanned, wallSecond(now) - 1);
}

void DueWatch::watch(
    const QList<std::pair<QDate, QTime>> &instants, QDate day, const DueIndex::Yearly &yearly, const Key &key)
{
    m_instants = instants;
    m_yearly = yearly;
    m_key = key;
    m_index.rebuild(m_instants, day, m_yearly);
}

QList<Due> DueWatch::dueUntil(const QDateTime &now)
{
    if (m_index.day() != now.date())
        m_index.rebuild(m_instants, now.date(), m_yearly);
    const SecondsToScan seconds = secondsToScan(m_lastScanned, wallSecond(now));
    m_lastScanned = seconds.upTo;

    QList<Due> due;
    std::vector<std::pair<qint64, size_t>> handedOut;
    std::optional<QTimeZone> zone;
    for (const auto &[second, position] : m_index.dueBetween(std::max(seconds.after, m_settled), seconds.upTo)) {
        const std::pair<qint64, size_t> row(second, m_key ? m_key(position) : size_t(position));
        if (m_handedOut.count(row))
            continue;
        handedOut.push_back(row);
        if (!zone)
            zone = zoneOf(now);
        due.append({ position, second, secondsLate(second, now, *zone) });
    }
    m_handedOut.insert(handedOut.begin(), handedOut.end());

    // Farther back than the catch-up, nothing is handed out anyway.
    m_settled = std::max(m_settled, seconds.upTo - CatchUpSeconds);
    m_handedOut.erase(m_handedOut.begin(), m_handedOut.upper_bound({ m_settled, std::numeric_limits<size_t>::max() }));
    return due;
}

qint64 DueWatch::nextWake(const QDateTime &now) const
{
    const qint64 current = wallSecond(now);
    if (current < m_lastScanned || m_index.day() != now.date())
        return current;
    const qint64 midnight = wallSecond(now.date().addDays(1), QTime(0, 0));
    const qint64 due = m_index.nextDueAfter(std::max(m_lastScanned, m_settled));
    return due < 0 ? midnight : std::min(due, midnight);
}

qint64 DueWatch::msecsToWake(const QDateTime &now) const
{
    const qint64 wake = nextWake(now);
    const qint64 second = now.toSecsSinceEpoch();
    qint64 wakeSecond = firstInstantShowing(wake, second, zoneOf(now));
    if (wake > wallSecond(now))
        wakeSecond = std::max(wakeSecond, second + 1);
    return std::max<qint64>(wakeSecond * 1000 - now.toMSecsSinceEpoch(), 0);
}

} // namespace reminders
