// SPDX-License-Identifier: MIT
#pragma once

#include "reminders/rules/DueIndex.h"

#include <QDateTime>
#include <set>

namespace reminders {

/// A watched row fallen due: its position in the list, its due wall second, and how late it is
/// handed out.
struct Due
{
    int position = 0;
    qint64 second = 0;
    qint64 secondsLate = 0;
    bool operator==(const Due &) const = default;
};

/// Watches a list of due wall-clock seconds tick by tick: each call hands out the rows that fell
/// due since the previous one, catching up on a day at most, each row's due second once, also
/// when the clock is set back over it or the rows are read again.
class DueWatch
{
public:
    /// Tells a row from the others across readings, by its position.
    using Key = std::function<size_t(int position)>;

    /// Rows due before `now` are not handed out, nor those of an hour repeated since (the end of
    /// summer time) that the clock showed a first time before `now`.
    void startAt(const QDateTime &now);
    /// Scans the current second once more on the next call (rows added during it).
    void rescanCurrentSecond(const QDateTime &now);

    /// The rows to watch (day and time, in list order); a missing day or time is never due.
    /// Without a key, a row is told by its position.
    void watch(const QList<std::pair<QDate, QTime>> &instants, QDate day, const DueIndex::Yearly &yearly = {},
        const Key &key = {});

    /// The rows due since the previous call up to `now`: by due second, then in list order.
    QList<Due> dueUntil(const QDateTime &now);

    /// Milliseconds from `now` to the first instant at which the wall clock shows the second of
    /// the next call that can hand out something (the next due second, or the next midnight,
    /// when the index moves to the new day). A clock that went back, or an index of another day,
    /// asks for a call at once; otherwise the wait lasts at least into the next second.
    qint64 msecsToWake(const QDateTime &now) const;

private:
    /// The wall second of the next call that can hand out something.
    qint64 nextWake(const QDateTime &now) const;

    QList<std::pair<QDate, QTime>> m_instants;
    DueIndex::Yearly m_yearly;
    Key m_key;
    DueIndex m_index;
    qint64 m_lastScanned = 0;
    qint64 m_settled = 0; ///< rows due up to this second are never handed out (again)
    std::set<std::pair<qint64, size_t>> m_handedOut; ///< due second and key of those handed out since
};

} // namespace reminders
