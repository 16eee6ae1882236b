// SPDX-License-Identifier: MIT
// The one alert window and the desktop notifications of raised reminders. What the user does
// with a raised reminder, in either, comes here: dismiss it, put it off, open its record.
#pragma once

#include "store/Views.h"

#include <QHash>
#include <QObject>
#include <QPointer>

class AppContext;
class Frm_Alert;

class ReminderAlerts final : public QObject
{
    Q_OBJECT
public:
    ReminderAlerts(AppContext &app, QObject *parent);
    /// Closes the alert with the program.
    ~ReminderAlerts() override;

    /// The alert window while it is loaded.
    Frm_Alert *alert() const;

    /// Shows the reminder on the alert window (loading it when it is not loaded; the last raised
    /// stays on it) and in a desktop notification of its own, and plays its sound. A reminder
    /// raised late says so in both.
    void raise(const store::JoinedReminder &reminder, const QString &lateNotice = {});

signals:
    /// The user put the reminder off by some minutes.
    void snoozeRequested(store::ReminderKind kind, qint64 remNo, int minutes);

private:
    struct Raised
    {
        store::ReminderKind kind;
        qint64 remNo;
        quint32 notice; ///< its desktop notification; 0 when none
        QDate occurrence; ///< of a repeating record; invalid otherwise
    };

    void notify(const store::JoinedReminder &reminder, const QString &title, const QStringList &lines);
    /// The user acted on the alert: its notification goes too.
    void closeShownNotice();
    void noticeAction(quint32 notice, const QString &action);
    void noticeClosed(quint32 notice);

    AppContext &m_app;
    QPointer<Frm_Alert> m_alert;
    Raised m_shown {}; ///< the reminder the alert shows
    QHash<quint32, Raised> m_notices;
};
