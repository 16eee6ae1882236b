// SPDX-License-Identifier: MIT
#include "reminders/rules/DueIndex.h"

#include "reminders/rules/ReminderRules.h"

#include <algorithm>
#include <climits>

namespace reminders {

void DueIndex::rebuild(const QList<std::pair<QDate, QTime>> &reminders, QDate day, const Yearly &yearly)
{
    m_day = day;
    m_due.clear();
    for (int i = 0; i < reminders.size(); ++i) {
        const auto &[date, time] = reminders.at(i);
        const QDate due = dueDayNear(date, yearly && yearly(i), day);
        if (time.isValid() && due.isValid())
            m_due.emplace_back(wallSecond(due, time), i);
    }
    std::sort(m_due.begin(), m_due.end());
}

void DueIndex::clear()
{
    m_day = {};
    m_due.clear();
}

QList<std::pair<qint64, int>> DueIndex::dueBetween(qint64 after, qint64 upTo) const
{
    QList<std::pair<qint64, int>> due;
    if (upTo <= after)
        return due;
    auto it = std::upper_bound(m_due.begin(), m_due.end(), std::pair<qint64, int>(after, INT_MAX));
    for (; it != m_due.end() && it->first <= upTo; ++it)
        due << *it;
    return due;
}

qint64 DueIndex::nextDueAfter(qint64 after) const
{
    const auto it = std::upper_bound(m_due.begin(), m_due.end(), std::pair<qint64, int>(after, INT_MAX));
    return it == m_due.end() ? -1 : it->first;
}

} // namespace reminders
