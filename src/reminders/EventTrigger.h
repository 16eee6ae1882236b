// SPDX-License-Identifier: MIT
// The event trigger: twice a second, asks for the confirmation of a computer event whose moment
// has come.
#pragma once

#include "reminders/rules/DueWatch.h"
#include "store/Views.h"

#include <QObject>
#include <QPointer>
#include <QSet>

class AppContext;
class Frm_Event;
class QTimer;

class EventTrigger final : public QObject
{
    Q_OBJECT
public:
    /// Reads the events and starts watching from the current second.
    EventTrigger(AppContext &app, QObject *parent);
    /// Closes the confirmation with the program.
    ~EventTrigger() override;

    bool isActive() const;
    /// The confirmation window while it is open.
    Frm_Event *confirmation() const;

public slots:
    /// Called by `TimerEvent` every 500 ms: asks for the confirmation of the events whose second
    /// has come since the previous tick (catching up at most a minute), each once; the window
    /// names the last of them.
    void tick();
    /// Reads the events again (the store changed); an event added for the current second is
    /// still found.
    void reload();

private:
    void readEvents();
    void raise(const QString &eventName);

    AppContext &m_app;
    QTimer *TimerEvent;
    QList<store::StoredEvent> m_events;
    reminders::DueWatch m_due;
    QSet<qint64> m_raised;
    bool m_readPending = true;
    QPointer<Frm_Event> m_confirmation;
};
