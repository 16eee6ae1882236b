// SPDX-License-Identifier: MIT
#include "reminders/ReminderScan.h"

#include "context/AppContext.h"
#include "reminders/ReminderAlerts.h"
#include "reminders/RunProgram.h"
#include "reminders/rules/ReminderRules.h"

using store::JoinedReminder;
using store::ReminderKind;

ReminderScan::ReminderScan(AppContext &app, ReminderAlerts &alerts, QObject *parent)
    : DueTimer(app, QStringLiteral("ReminderScan"), QStringLiteral("Timer_popup"), Reload::FromLastTick, parent)
    , m_alerts(alerts)
{
    connect(&app, &AppContext::reminderScanHeld, this, [this](bool held) { held ? stop() : start(); });
    reload();
}

Frm_Alert *ReminderScan::alert() const
{
    return m_alerts.alert();
}

QList<std::pair<QDate, QTime>> ReminderScan::readRows()
{
    m_reminders = store::joinedReminders(m_app.db(), m_app.services().clock->now().date());
    QList<std::pair<QDate, QTime>> instants;
    instants.reserve(m_reminders.size());
    for (const JoinedReminder &reminder : std::as_const(m_reminders))
        instants.append({ reminder.date, reminder.time });
    return instants;
}

bool ReminderScan::isYearly(int position) const
{
    return m_reminders.at(position).kind == ReminderKind::Birthday;
}

// The last raised stays on screen: the latest, of the last kind (tasks, schedules, notes, birthdays).
void ReminderScan::raiseDue(const QList<int> &positions)
{
    for (int position : positions)
        raise(m_reminders.at(position));
}

void ReminderScan::raise(const JoinedReminder &reminder)
{
    m_alerts.raise(reminder);
    if (reminder.kind != ReminderKind::Birthday && reminders::namesProgram(reminder.program))
        RunProgram(*m_app.services().shell, reminder.program);
}
