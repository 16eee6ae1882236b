// SPDX-License-Identifier: MIT
#include "reminders/EventTrigger.h"

#include "context/AppContext.h"
#include "reminders/DesktopNotice.h"
#include "reminders/Frm_Event.h"
#include "reminders/rules/ReminderRules.h"
#include "store/Database.h"

EventTrigger::EventTrigger(AppContext &app, QObject *parent)
    : DueTimer(app, QStringLiteral("EventTrigger"), QStringLiteral("TimerEvent"), Reload::CurrentSecondAgain, parent)
{
    DesktopNotifier *notifier = app.services().notifier.get();
    connect(notifier, &DesktopNotifier::actionInvoked, this, [this](quint32 notice) {
        if (notice == m_notice && m_confirmation) {
            m_confirmation->show();
            m_confirmation->raise();
            m_confirmation->activateWindow();
        }
    });
    connect(notifier, &DesktopNotifier::closed, this, [this](quint32 notice) {
        if (notice == m_notice)
            m_notice = 0;
    });
    reload();
}

EventTrigger::~EventTrigger()
{
    delete m_confirmation;
}

Frm_Event *EventTrigger::confirmation() const
{
    return m_confirmation && m_confirmation->isVisible() ? m_confirmation.data() : nullptr;
}

QList<std::pair<QDate, QTime>> EventTrigger::readRows()
{
    m_events = store::storedEvents(m_app.db(), m_app.services().clock->now().date());
    QList<std::pair<QDate, QTime>> instants;
    instants.reserve(m_events.size());
    for (const store::StoredEvent &event : std::as_const(m_events))
        instants.append({ event.date, event.time });
    return instants;
}

size_t EventTrigger::keyOf(int position) const
{
    return size_t(m_events.at(position).id);
}

void EventTrigger::raiseDue(const QList<reminders::Due> &due)
{
    std::optional<QString> last;
    for (const reminders::Due &d : due)
        if (d.secondsLate < reminders::LateAfterSeconds)
            last = m_events.at(d.position).name;
    if (!last)
        return;
    if (!m_confirmation) {
        m_confirmation = new Frm_Event(m_app);
        m_confirmation->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_confirmation, &QObject::destroyed, this, &EventTrigger::closeNotice);
    }
    m_confirmation->setEventName(*last);
    m_confirmation->show();
    m_confirmation->raise();
    closeNotice();
    m_notice = notifyDesktop(m_app,
        { QStringLiteral("Computer Event"), *last, false, { OpenAction } });
}

void EventTrigger::closeNotice()
{
    if (m_notice != 0)
        m_app.services().notifier->close(std::exchange(m_notice, 0));
}
