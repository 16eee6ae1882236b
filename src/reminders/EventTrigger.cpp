// SPDX-License-Identifier: MIT
#include "reminders/EventTrigger.h"

#include "context/AppContext.h"
#include "reminders/ClosedStore.h"
#include "reminders/Frm_Event.h"
#include "store/Database.h"

#include <QTimer>

EventTrigger::EventTrigger(AppContext &app, QObject *parent)
    : QObject(parent)
    , m_app(app)
    , TimerEvent(new QTimer(this))
{
    setObjectName(QStringLiteral("EventTrigger"));
    TimerEvent->setObjectName(QStringLiteral("TimerEvent"));
    TimerEvent->setInterval(500);
    connect(TimerEvent, &QTimer::timeout, this, &EventTrigger::tick);
    m_due.startAt(m_app.services().clock->now());
    reload();
}

EventTrigger::~EventTrigger()
{
    delete m_confirmation;
}

bool EventTrigger::isActive() const
{
    return TimerEvent->isActive();
}

Frm_Event *EventTrigger::confirmation() const
{
    return m_confirmation && m_confirmation->isVisible() ? m_confirmation.data() : nullptr;
}

void EventTrigger::reload()
{
    m_readPending = true;
    try {
        readEvents();
    } catch (const store::Error &) {
        // Left for the next tick, which reads again and answers the error.
    }
    m_due.rescanCurrentSecond(m_app.services().clock->now());
    TimerEvent->start();
}

void EventTrigger::readEvents()
{
    m_events = store::storedEvents(m_app.db());
    m_readPending = false;
    QList<std::pair<QDate, QTime>> instants;
    instants.reserve(m_events.size());
    for (const store::StoredEvent &event : std::as_const(m_events))
        instants.append({ event.date, event.time });
    m_due.watch(instants, m_app.services().clock->now().date());
}

void EventTrigger::tick()
{
    try {
        if (!m_app.db().isOpen())
            throw store::Error(store::ObjectInvalid, QStringLiteral("the database has been closed"));
        if (m_readPending)
            readEvents();
        std::optional<QString> last;
        for (int position : m_due.dueUntil(m_app.services().clock->now())) {
            const store::StoredEvent &event = m_events.at(position);
            // A reload scans its second again; what was asked once is not asked again.
            if (!m_raised.contains(event.id)) {
                m_raised.insert(event.id);
                last = event.name;
            }
        }
        if (last)
            raise(*last);
    } catch (const store::Error &error) {
        if (error.code() != store::ObjectInvalid)
            return;
        TimerEvent->stop();
        endForClosedStore(m_app);
    }
}

void EventTrigger::raise(const QString &eventName)
{
    if (!m_confirmation) {
        m_confirmation = new Frm_Event(m_app);
        m_confirmation->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_confirmation->setEventName(eventName);
    m_confirmation->show();
    m_confirmation->raise();
}
