// SPDX-License-Identifier: MIT
#pragma once

#include "reminders/rules/DueIndex.h"

#include <QDateTime>

namespace reminders {

/// Watches a list of due instants tick by tick: each call hands out the positions that fell due
/// since the previous one (catching up at most a minute), each due second once.
class DueWatch
{
public:
    /// Instants due before `now` are not handed out.
    void startAt(const QDateTime &now);
    /// Scans the current second once more on the next call (instants added during it).
    void rescanCurrentSecond(const QDateTime &now);

    /// The instants to watch (day and time, in list order); a missing day or time is never due.
    void watch(const QList<std::pair<QDate, QTime>> &instants, QDate day, const DueIndex::Yearly &yearly = {});

    /// The positions of the instants due since the previous call up to `now`: by due second,
    /// then in list order.
    QList<int> dueUntil(const QDateTime &now);

    /// The wall second of the next call that can hand out something: the next instant due after
    /// the last scanned second, or the next midnight (when the index moves to the new day).
    /// A clock that went back, or an index of another day, asks for a call at once.
    qint64 nextWake(const QDateTime &now) const;
    /// Milliseconds from `now` to the start of nextWake(), never negative.
    qint64 msecsToWake(const QDateTime &now) const;

private:
    QList<std::pair<QDate, QTime>> m_instants;
    DueIndex::Yearly m_yearly;
    DueIndex m_index;
    qint64 m_lastScanned = 0;
};

} // namespace reminders
