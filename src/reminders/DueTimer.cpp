// SPDX-License-Identifier: MIT
#include "reminders/DueTimer.h"

#include "context/AppContext.h"
#include "store/Database.h"

#include <QTimer>
#include <limits>

DueTimer::DueTimer(AppContext &app, const QString &objectName, const QString &timerName, Reload reload, QObject *parent)
    : QObject(parent)
    , m_app(app)
    , m_timer(new QTimer(this))
    , m_reload(reload)
{
    setObjectName(objectName);
    m_timer->setObjectName(timerName);
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &DueTimer::tick);
    connect(m_app.services().clock.get(), &Clock::wallClockChanged, this, &DueTimer::arm);
    // Rows that fell due before the timer started are not raised.
    m_due.startAt(m_app.services().clock->now());
}

void DueTimer::start()
{
    m_running = true;
    arm();
}

void DueTimer::stop()
{
    m_running = false;
    m_timer->stop();
}

void DueTimer::arm()
{
    if (!m_running)
        return;
    // A read that failed is tried again a second later.
    constexpr qint64 RetryMsecs = 1000;
    const qint64 msecs = m_readPending ? RetryMsecs : m_due.msecsToWake(m_app.services().clock->now());
    m_timer->start(int(std::min<qint64>(msecs, std::numeric_limits<int>::max())));
}

bool DueTimer::isActive() const
{
    return m_timer->isActive();
}

void DueTimer::reload()
{
    m_readPending = true;
    try {
        read();
    } catch (const store::Error &) {
        // Left for the next tick, which reads again and answers the error.
    }
    if (m_reload == Reload::CurrentSecondAgain)
        m_due.rescanCurrentSecond(m_app.services().clock->now());
    start();
}

void DueTimer::read()
{
    const QDate day = m_app.services().clock->now().date();
    m_due.watch(
        readRows(), day, [this](int position) { return isYearly(position); },
        [this](int position) { return keyOf(position); });
    m_readDay = day;
    m_readPending = false;
}

void DueTimer::tick()
{
    try {
        if (!m_app.db().isOpen())
            throw store::Error(store::ObjectInvalid, QStringLiteral("the database has been closed"));
        // The rows are read for one day (and the one before, for a late tick over midnight).
        if (m_readPending || m_readDay != m_app.services().clock->now().date())
            read();
        raiseDue(m_due.dueUntil(m_app.services().clock->now()));
        arm();
    } catch (const store::Error &error) {
        if (error.code() != store::ObjectInvalid) {
            arm();
            return;
        }
        // No tick may come while the message is open.
        stop();
        m_app.message(
            QStringLiteral("Orrisday Needs to be Restarted"), MessageIcon::Information, QStringLiteral("Orrisday"));
        m_app.services().lifecycle->endProgram();
    }
}
