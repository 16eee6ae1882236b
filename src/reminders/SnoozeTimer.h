// SPDX-License-Identifier: MIT
// Reminders put off by the user: each is raised again once, at its moment, from the store, so a
// snooze outlives the program.
#pragma once

#include "reminders/DueTimer.h"
#include "store/Snoozes.h"

class ReminderAlerts;

class SnoozeTimer final : public DueTimer
{
    Q_OBJECT
public:
    /// Reads the snoozes and raises at once those whose moment passed while the program was not
    /// running (timer `Timer_snooze`).
    SnoozeTimer(AppContext &app, ReminderAlerts &alerts, QObject *parent);

public slots:
    /// Puts the reminder off by the minutes from now, replacing a snooze it has; says so when the
    /// store refuses.
    void putOff(store::ReminderKind kind, qint64 remNo, int minutes);

private:
    QList<std::pair<QDate, QTime>> readRows() override;
    size_t keyOf(int position) const override;
    void raiseDue(const QList<reminders::Due> &due) override;
    /// Raises the snooze once: it leaves the store first. A reminder deleted since is not raised.
    void raise(const store::Snooze &snooze);
    void raiseOverdue();

    ReminderAlerts &m_alerts;
    QList<store::Snooze> m_snoozes; ///< watched, in the timer's list order
    QList<store::Snooze> m_overdue; ///< moments already past when read
};
