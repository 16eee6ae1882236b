// SPDX-License-Identifier: MIT
// The reminder scan: at the second a reminder falls due, raises its alert (and those of every other
// reminder due then).
#pragma once

#include "reminders/DueTimer.h"
#include "store/Views.h"

class Frm_Alert;
class ReminderAlerts;

class ReminderScan final : public DueTimer
{
    Q_OBJECT
public:
    /// Reads the reminders and starts scanning from the current second (timer `Timer_popup`);
    /// raises them on the alerts.
    ReminderScan(AppContext &app, ReminderAlerts &alerts, QObject *parent);

    /// The alert window while it is loaded.
    Frm_Alert *alert() const;

private:
    QList<std::pair<QDate, QTime>> readRows() override;
    bool isYearly(int position) const override;
    size_t keyOf(int position) const override;
    void raiseDue(const QList<reminders::Due> &due) override;
    void raise(const store::JoinedReminder &reminder, const QString &lateNotice);

    ReminderAlerts &m_alerts;
    QList<store::JoinedReminder> m_reminders;
};
