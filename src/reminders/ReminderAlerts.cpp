// SPDX-License-Identifier: MIT
#include "reminders/ReminderAlerts.h"

#include "context/AppContext.h"
#include "reminders/DesktopNotice.h"
#include "reminders/Frm_Alert.h"
#include "reminders/rules/AlertRules.h"
#include "reminders/rules/ReminderRules.h"

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

QList<std::pair<QString, QString>> reminderActions()
{
    QList<std::pair<QString, QString>> actions { OpenAction };
    for (int minutes : reminders::snoozeMinutes())
        actions.append({ reminders::snoozeActionKey(minutes), reminders::snoozeActionLabel(minutes) });
    return actions;
}

} // namespace

ReminderAlerts::ReminderAlerts(AppContext &app, QObject *parent)
    : QObject(parent)
    , m_app(app)
{
    DesktopNotifier *notifier = app.services().notifier.get();
    connect(notifier, &DesktopNotifier::actionInvoked, this, &ReminderAlerts::noticeAction);
    connect(notifier, &DesktopNotifier::closed, this, &ReminderAlerts::noticeClosed);
}

ReminderAlerts::~ReminderAlerts()
{
    delete m_alert;
}

Frm_Alert *ReminderAlerts::alert() const
{
    return m_alert && m_alert->isLoaded() ? m_alert.data() : nullptr;
}

void ReminderAlerts::raise(const JoinedReminder &reminder, const QString &lateNotice)
{
    if (!alert()) {
        m_alert = new Frm_Alert;
        connect(m_alert, &Frm_Alert::dismissed, this, &ReminderAlerts::closeShownNotice);
        connect(m_alert, &Frm_Alert::snoozed, this, [this](int minutes) {
            closeShownNotice();
            emit snoozeRequested(m_shown.kind, m_shown.remNo, minutes);
        });
        connect(m_alert, &Frm_Alert::opened, this, [this] {
            closeShownNotice();
            m_app.openReminderOwner(m_shown.kind, m_shown.remNo, m_shown.occurrence);
        });
        m_alert->show();
    }
    const bool birthday = reminder.kind == ReminderKind::Birthday;
    const QString title = alertTitle(reminder.kind);
    const QString name = birthday ? reminder.message : reminder.ownerName;
    const QString description
        = birthday ? QStringLiteral("Contact Phone No : ") + reminder.contactMobile : reminder.message;
    m_alert->setTexts(title, name, description);
    m_alert->setLateNotice(lateNotice);
    m_shown = { reminder.kind, reminder.remNo, 0, reminder.occurrence };
    notify(reminder, title, { name, description.trimmed().isEmpty() ? QString() : description, lateNotice });
    if (reminders::namesSound(reminder.sound))
        m_app.services().sound->play(reminder.sound);
}

void ReminderAlerts::notify(const JoinedReminder &reminder, const QString &title, const QStringList &lines)
{
    QStringList shown = lines;
    shown.removeAll(QString());
    const QString body = shown.join(QLatin1Char('\n'));
    const quint32 notice = notifyDesktop(m_app, { title, body, true, reminderActions() });
    if (notice == 0)
        return;
    m_shown.notice = notice;
    m_notices.insert(notice, { reminder.kind, reminder.remNo, notice, reminder.occurrence });
}

void ReminderAlerts::closeShownNotice()
{
    if (m_shown.notice == 0)
        return;
    m_app.services().notifier->close(m_shown.notice);
    m_notices.remove(m_shown.notice);
    m_shown.notice = 0;
}

void ReminderAlerts::noticeAction(quint32 notice, const QString &action)
{
    const std::optional<int> snoozeMinutes = reminders::snoozeMinutesOf(action);
    if (!m_notices.contains(notice) || (!snoozeMinutes && action != OpenAction.first))
        return;
    const Raised raised = m_notices.take(notice);
    m_app.services().notifier->close(notice);
    // Acted on there, the reminder needs no alert any more.
    if (alert() && m_shown.notice == notice) {
        m_shown.notice = 0;
        m_alert->close();
    }
    if (snoozeMinutes)
        emit snoozeRequested(raised.kind, raised.remNo, *snoozeMinutes);
    else
        m_app.openReminderOwner(raised.kind, raised.remNo, raised.occurrence);
}

void ReminderAlerts::noticeClosed(quint32 notice)
{
    m_notices.remove(notice);
    if (m_shown.notice == notice)
        m_shown.notice = 0;
}
