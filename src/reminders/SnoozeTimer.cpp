// SPDX-License-Identifier: MIT
#include "reminders/SnoozeTimer.h"

#include "context/AppContext.h"
#include "reminders/ReminderAlerts.h"
#include "reminders/rules/ReminderRules.h"
#include "widgets/rules/StoreFailure.h"

SnoozeTimer::SnoozeTimer(AppContext &app, ReminderAlerts &alerts, QObject *parent)
    : DueTimer(app, QStringLiteral("SnoozeTimer"), QStringLiteral("Timer_snooze"), Reload::FromLastTick, parent)
    , m_alerts(alerts)
{
    connect(&app, &AppContext::reminderScanHeld, this, [this](bool held) { held ? stop() : start(); });
    connect(&alerts, &ReminderAlerts::snoozeRequested, this, &SnoozeTimer::putOff);
    reload();
    try {
        raiseOverdue();
    } catch (const store::Error &) {
        // Left in the store: the next read finds them overdue again.
    }
}

void SnoozeTimer::putOff(store::ReminderKind kind, qint64 remNo, int minutes)
{
    try {
        store::putOff(m_app.db(), kind, remNo, m_app.services().clock->now().addSecs(minutes * 60));
    } catch (const store::Error &error) {
        m_app.message(records::storeFailureText(QStringLiteral("The reminder could not be put off"), error.code()),
            MessageIcon::Warning, QStringLiteral("Orrisday"));
        return;
    }
    reload();
}

QList<std::pair<QDate, QTime>> SnoozeTimer::readRows()
{
    const qint64 now = reminders::wallSecond(m_app.services().clock->now());
    m_snoozes.clear();
    m_overdue.clear();
    QList<std::pair<QDate, QTime>> instants;
    for (const store::Snooze &snooze : store::snoozes(m_app.db())) {
        if (reminders::wallSecond(snooze.date, snooze.time) <= now) {
            m_overdue << snooze;
        } else {
            m_snoozes << snooze;
            instants.append({ snooze.date, snooze.time });
        }
    }
    return instants;
}

size_t SnoozeTimer::keyOf(int position) const
{
    const store::Snooze &snooze = m_snoozes.at(position);
    return qHashMulti(0, int(snooze.kind), snooze.remNo);
}

void SnoozeTimer::raiseDue(const QList<reminders::Due> &due)
{
    raiseOverdue();
    for (const reminders::Due &d : due)
        raise(m_snoozes.at(d.position));
}

void SnoozeTimer::raiseOverdue()
{
    const QList<store::Snooze> overdue = std::exchange(m_overdue, {});
    for (const store::Snooze &snooze : overdue)
        raise(snooze);
}

void SnoozeTimer::raise(const store::Snooze &snooze)
{
    store::removeSnooze(m_app.db(), snooze.kind, snooze.remNo);
    if (const auto reminder = store::joinedReminder(m_app.db(), snooze.kind, snooze.remNo))
        m_alerts.raise(*reminder);
}
