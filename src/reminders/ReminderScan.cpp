// SPDX-License-Identifier: MIT
#include "reminders/ReminderScan.h"

#include "context/AppContext.h"
#include "reminders/Frm_Alert.h"
#include "reminders/RunProgram.h"
#include "reminders/rules/ReminderRules.h"
#include "store/Database.h"

using store::JoinedReminder;
using store::ReminderKind;

namespace {

QString alertTitle(ReminderKind kind)
{
    switch (kind) {
    case ReminderKind::Task:
        return QStringLiteral("Task Alert");
    case ReminderKind::Schedule:
        return QStringLiteral("Schedule Alert");
    case ReminderKind::Note:
        return QStringLiteral("Note Alert");
    case ReminderKind::Birthday:
        return QStringLiteral("Birthday Alert");
    }
    return {};
}

} // namespace

ReminderScan::ReminderScan(AppContext &app, QObject *parent)
    : DueTimer(app, QStringLiteral("ReminderScan"), QStringLiteral("Timer_popup"), Reload::FromLastTick, parent)
{
    connect(&app, &AppContext::reminderScanHeld, this, [this](bool held) { held ? stop() : start(); });
    reload();
}

ReminderScan::~ReminderScan()
{
    delete m_alert;
}

Frm_Alert *ReminderScan::alert() const
{
    return m_alert && m_alert->isLoaded() ? m_alert.data() : nullptr;
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
        raise(m_reminders.at(d.position));
        QString late;
        if (isLate(d)) {
            late = reminders::lateNotice(
                reminders::wallDay(d.second), reminders::wallTime(d.second), today, d.secondsLate);
            if (missed > 1)
                late += QStringLiteral(" (%1 missed)").arg(missed);
        }
        m_alert->setLateNotice(late);
    }
}

void ReminderScan::raise(const JoinedReminder &reminder)
{
    if (!alert()) {
        m_alert = new Frm_Alert;
        m_alert->show();
    }
    const bool birthday = reminder.kind == ReminderKind::Birthday;
    m_alert->setTexts(alertTitle(reminder.kind), birthday ? reminder.message : reminder.ownerName,
        birthday ? QStringLiteral("Contact Phone No : ") + reminder.contactMobile : reminder.message);
    if (reminders::namesSound(reminder.sound))
        m_app.services().sound->play(reminder.sound);
    if (!birthday && reminders::namesProgram(reminder.program))
        RunProgram(*m_app.services().shell, reminder.program);
}
