// SPDX-License-Identifier: MIT
#include "reminders/EventTrigger.h"

#include "context/AppContext.h"
#include "reminders/Frm_Event.h"
#include "reminders/rules/ReminderRules.h"
#include "store/Database.h"

EventTrigger::EventTrigger(AppContext &app, QObject *parent)
    : DueTimer(app, QStringLiteral("EventTrigger"), QStringLiteral("TimerEvent"), Reload::CurrentSecondAgain, parent)
{
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
    }
    m_confirmation->setEventName(*last);
    m_confirmation->show();
    m_confirmation->raise();
}
