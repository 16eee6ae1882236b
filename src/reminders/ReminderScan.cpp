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

size_t ReminderScan::keyOf(int position) const
{
    const JoinedReminder &r = m_reminders.at(position);
    return qHashMulti(0, int(r.kind), r.ownerName, r.sound, r.message, r.program, r.contactMobile);
}

// The last raised stays on screen: the latest, of the last kind (tasks, schedules, notes, birthdays).
// One raised late says so, and how many were missed with it.
void ReminderScan::raiseDue(const QList<reminders::Due> &due)
{
    const auto isLate = [](const reminders::Due &d) { return d.secondsLate >= reminders::LateAfterSeconds; };
    const qsizetype missed = std::count_if(due.begin(), due.end(), isLate);
    const QDate today = m_app.services().clock->now().date();
    for (const reminders::Due &d : due) {
        QString late;
        if (isLate(d)) {
            late = reminders::lateNotice(
                reminders::wallDay(d.second), reminders::wallTime(d.second), today, d.secondsLate);
            if (missed > 1)
                late += QStringLiteral(" (%1 missed)").arg(missed);
        }
        raise(m_reminders.at(d.position), late);
    }
}

void ReminderScan::raise(const JoinedReminder &reminder, const QString &lateNotice)
{
    m_alerts.raise(reminder, lateNotice);
    if (reminder.kind != ReminderKind::Birthday && reminders::namesProgram(reminder.program))
        RunProgram(*m_app.services().shell, reminder.program);
}
