// SPDX-License-Identifier: MIT
#include "reminders/ReminderScan.h"

#include "context/AppContext.h"
#include "reminders/Frm_Alert.h"
#include "reminders/RunProgram.h"
#include "reminders/ClosedStore.h"
#include "reminders/rules/ReminderRules.h"
#include "store/Database.h"

#include <QTimer>

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
    : QObject(parent)
    , m_app(app)
    , Timer_popup(new QTimer(this))
{
    setObjectName(QStringLiteral("ReminderScan"));
    Timer_popup->setObjectName(QStringLiteral("Timer_popup"));
    Timer_popup->setInterval(500);
    connect(Timer_popup, &QTimer::timeout, this, &ReminderScan::tick);
    connect(&app, &AppContext::reminderScanHeld, this, [this](bool held) { held ? stop() : start(); });

    // Reminders that fell due before the scan started are not raised.
    m_due.startAt(m_app.services().clock->now());
    reload();
}

ReminderScan::~ReminderScan()
{
    delete m_alert;
}

void ReminderScan::start()
{
    Timer_popup->start();
}

void ReminderScan::stop()
{
    Timer_popup->stop();
}

bool ReminderScan::isActive() const
{
    return Timer_popup->isActive();
}

Frm_Alert *ReminderScan::alert() const
{
    return m_alert && m_alert->isLoaded() ? m_alert.data() : nullptr;
}

void ReminderScan::reload()
{
    m_readPending = true;
    try {
        readReminders();
    } catch (const store::Error &) {
        // Left for the next tick, which reads again and answers the error.
    }
    start();
}

void ReminderScan::readReminders()
{
    m_reminders = store::joinedReminders(m_app.db());
    m_readPending = false;
    QList<std::pair<QDate, QTime>> instants;
    instants.reserve(m_reminders.size());
    for (const JoinedReminder &reminder : std::as_const(m_reminders))
        instants.append({ reminder.date, reminder.time });
    m_due.watch(instants, m_app.services().clock->now().date());
}

void ReminderScan::tick()
{
    try {
        if (!m_app.db().isOpen())
            throw store::Error(store::ObjectInvalid, QStringLiteral("the database has been closed"));
        if (m_readPending)
            readReminders();
        // Positions come by due second, then in list order (tasks, schedules, notes, birthdays),
        // so the last raised, which stays on screen, is the latest and last kind.
        for (int position : m_due.dueUntil(m_app.services().clock->now()))
            raise(m_reminders.at(position));
    } catch (const store::Error &error) {
        abandonTick(error);
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

void ReminderScan::abandonTick(const store::Error &error)
{
    if (error.code() != store::ObjectInvalid)
        return;
    // No tick may come while the message is open.
    stop();
    endForClosedStore(m_app);
}
