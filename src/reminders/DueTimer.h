// SPDX-License-Identifier: MIT
// What the reminder scan and the event trigger share: a timer of the main window that reads its
// rows from the store and sleeps until the next second at which one falls due (or the next
// midnight), then hands out the rows whose second has come.
#pragma once

#include "reminders/rules/DueWatch.h"

#include <QObject>

class AppContext;
class QTimer;

class DueTimer : public QObject
{
    Q_OBJECT
public:
    /// Switches the timer on or off; a reload always switches it on again.
    void start();
    void stop();
    bool isActive() const;

public slots:
    /// Called by the timer at the due second: raises the rows whose second has come since the
    /// previous tick (catching up on a day at most), each row's second once, and waits for the
    /// next. A store closed under the program ends it.
    void tick();
    /// Reads the rows again and restarts (the store changed).
    void reload();

protected:
    enum class Reload { FromLastTick, CurrentSecondAgain };

    /// Watches from the current second; the subclass reads its rows with reload().
    DueTimer(AppContext &app, const QString &objectName, const QString &timerName, Reload reload, QObject *parent);

    /// Reads the rows (throws store::Error) and gives their due day and time, in list order.
    virtual QList<std::pair<QDate, QTime>> readRows() = 0;
    /// Whether the row at the position comes every year on its month and day.
    virtual bool isYearly(int /*position*/) const { return false; }
    /// What tells the row at the position from the others when the rows are read again.
    virtual size_t keyOf(int position) const = 0;
    /// Raises the rows fallen due, given by due second, then in list order.
    virtual void raiseDue(const QList<reminders::Due> &due) = 0;

    AppContext &m_app;

private:
    void read();
    /// Sets the timer for the next due moment, measured on the clock as it is now.
    void arm();

    QTimer *m_timer;
    bool m_running = false;
    reminders::DueWatch m_due;
    Reload m_reload;
    bool m_readPending = true;
    QDate m_readDay;
};
