// SPDX-License-Identifier: MIT
// The event trigger: at the second an event falls due, asks for the confirmation of a computer
// event then.
#pragma once

#include "reminders/DueTimer.h"
#include "store/Views.h"

#include <QPointer>

class Frm_Event;

class EventTrigger final : public DueTimer
{
    Q_OBJECT
public:
    /// Reads the events and starts watching from the current second (timer `TimerEvent`). A
    /// reload looks at its own second again, so that an event stored for it is still found.
    EventTrigger(AppContext &app, QObject *parent);
    /// Closes the confirmation with the program.
    ~EventTrigger() override;

    /// The confirmation window while it is open.
    Frm_Event *confirmation() const;

private:
    QList<std::pair<QDate, QTime>> readRows() override;
    size_t keyOf(int position) const override;
    /// One confirmation for the events due, naming the last, beside a desktop notification of it.
    /// An event missed while the computer slept is not carried out late.
    void raiseDue(const QList<reminders::Due> &due) override;
    /// The confirmation is gone: so is its notification.
    void closeNotice();

    QList<store::StoredEvent> m_events;
    QPointer<Frm_Event> m_confirmation;
    quint32 m_notice = 0;
};
