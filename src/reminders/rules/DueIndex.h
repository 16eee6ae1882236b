// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QList>
#include <QTime>
#include <functional>
#include <utility>
#include <vector>

namespace reminders {

/// The due instants of a list of reminders around one day (that day and the one before, so a
/// scan that catches up over midnight still finds them), sorted so that a scan tick finds the
/// reminders due in a few seconds without looking at the others.
class DueIndex
{
public:
    /// Which reminders come every year (birthdays), by position.
    using Yearly = std::function<bool(int position)>;

    /// Indexes the reminders (given by day and time, in list order) for the day.
    void rebuild(const QList<std::pair<QDate, QTime>> &reminders, QDate day, const Yearly &yearly = {});
    void clear();

    QDate day() const { return m_day; }
    /// How many reminders fall due on the indexed days.
    qsizetype size() const { return qsizetype(m_due.size()); }

    /// The reminders due after the wall second `after` up to and including `upTo`, as their due
    /// second and position in the list: in order of their due second, then of the list.
    QList<std::pair<qint64, int>> dueBetween(qint64 after, qint64 upTo) const;
    /// The first wall second after `after` on which an indexed reminder falls due; -1 when none.
    qint64 nextDueAfter(qint64 after) const;

private:
    QDate m_day;
    std::vector<std::pair<qint64, int>> m_due; ///< wall second, position; sorted
};

} // namespace reminders
