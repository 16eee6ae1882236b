// SPDX-License-Identifier: MIT
// The reminder scan: twice a second, raises the alert of every reminder that has fallen due.
#pragma once

#include "reminders/rules/DueWatch.h"
#include "store/Views.h"

#include <QObject>
#include <QPointer>

class Frm_Alert;
class AppContext;
class QTimer;

class ReminderScan final : public QObject
{
    Q_OBJECT
public:
    /// Reads the reminders and starts scanning from the current second.
    ReminderScan(AppContext &app, QObject *parent);
    /// Closes the alert with the program.
    ~ReminderScan() override;

    /// Switches the scan's timer on or off; a reload always switches it on again.
    void start();
    void stop();
    bool isActive() const;

    /// The alert window while it is loaded.
    Frm_Alert *alert() const;

public slots:
    /// Called by `Timer_popup` every 500 ms: raises the reminders whose second has come since
    /// the previous tick (catching up at most a minute), each once.
    void tick();
    /// Reads the reminders again and restarts (the store changed).
    void reload();

private:
    void readReminders();
    void raise(const store::JoinedReminder &reminder);
    void abandonTick(const store::Error &error);

    AppContext &m_app;
    QTimer *Timer_popup;
    QList<store::JoinedReminder> m_reminders;
    reminders::DueWatch m_due;
    bool m_readPending = true;
    QPointer<Frm_Alert> m_alert;
};
