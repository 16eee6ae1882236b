// SPDX-License-Identifier: MIT
// Fakes of the platform services: they record what they were asked and answer from queues.
#pragma once

#include "platform/Services.h"

#include <QHash>
#include <QList>
#include <QStringList>

/// A clock set by the test, in the test process's time zone (TZ). A setting that goes back, or
/// forward by more than a second, is a change of the wall clock, as when the user sets the time
/// or the computer resumes; time passing while a timer waits is not.
class FakeClock final : public Clock
{
public:
    FakeClock() { set(QDate(2026, 12, 7), QTime(10, 0, 0)); }
    QDateTime now() const override { return m_now; }
    /// The first instant the local clock shows the day and time, or the first one after a
    /// change to summer time skips them.
    void set(QDate day, QTime time);
    void setTime(QTime time) { set(m_now.date(), time); }
    void advance(int seconds) { moveTo(m_msecs + seconds * 1000LL); }
    /// Time passes as a timer waits.
    void pass(qint64 msecs) { show(m_msecs + msecs); }
    /// The system's zone changed (TZ set anew): the same instant on the new zone's clock.
    void zoneChanged();

private:
    void moveTo(qint64 msecs);
    void show(qint64 msecs)
    {
        m_msecs = msecs;
        m_now = QDateTime::fromMSecsSinceEpoch(msecs);
    }

    // The instant itself: a local time read back goes through the zone of the moment.
    qint64 m_msecs = 0;
    QDateTime m_now = QDateTime::fromMSecsSinceEpoch(0);
};

struct ShownMessage
{
    QString text;
    MessageIcon icon;
    QString title;
    bool operator==(const ShownMessage &) const = default;
};

class FakeDialogs final : public Dialogs
{
public:
    QList<ShownMessage> shown;                       ///< every message box, in order
    QList<std::optional<QString>> fileAnswers;       ///< answers for the next file choosers
    QList<QStringList> filesAnswers;                 ///< answers for the next several-files choosers
    QList<QPair<QString, QString>> fileRequests;     ///< filter and default suffix asked for
    std::function<void()> onMessage;                 ///< runs while a box would be open
    QStringList questions;                           ///< every question asked, in order
    QList<bool> answers;                             ///< answers for the next questions; No when none is left
    QList<QPair<QString, QString>> scopeQuestions;   ///< text and title of every series question, in order
    QList<SeriesScope> scopeAnswers;                 ///< answers for the next ones; Cancelled when none is left

    void message(const QString &text, MessageIcon icon, const QString &title) override;
    std::optional<QString> openFile(const QString &filter, const QString &defaultSuffix) override;
    /// Asks as the open chooser does, with no default suffix.
    QStringList openFiles(const QString &filter) override;
    /// Answered from the same list as the open chooser.
    std::optional<QString> saveFile(const QString &filter, const QString &defaultSuffix) override
    {
        return openFile(filter, defaultSuffix);
    }

    bool ask(const QString &text, const QString &) override
    {
        questions << text;
        return !answers.isEmpty() && answers.takeFirst();
    }

    SeriesScope askSeriesScope(const QString &text, const QString &title) override
    {
        scopeQuestions.append({ text, title });
        return scopeAnswers.isEmpty() ? SeriesScope::Cancelled : scopeAnswers.takeFirst();
    }

    /// The texts shown so far, and forgets them.
    QStringList takeTexts();
};

class FakeShell final : public Shell
{
public:
    QList<QPair<QString, QString>> opened; ///< target and working folder
    bool result = true;
    bool open(const QString &target, const QString &workingFolder) override
    {
        opened.append({target, workingFolder});
        return result;
    }
};

class FakeSoundPlayer final : public SoundPlayer
{
public:
    QStringList played;
    void play(const QString &path) override { played << path; }
};

class FakeTrayIcon final : public TrayIcon
{
public:
    QString tip;
    QMenu *menu = nullptr;
    bool shown = false;
    bool available = true;
    void show(const QString &t, QMenu *m) override { tip = t; menu = m; shown = true; }
    void remove() override { shown = false; }
    bool isShown() const override { return shown; }
    bool isAvailable() const override { return available; }
    void doubleClick() { emit doubleClicked(); }
};

class FakeAutoStart final : public AutoStart
{
public:
    QStringList enabled;
    QString refusal; ///< when set, every registration is refused with it
    ActionResult enable(const QString &programPath) override
    {
        if (!refusal.isEmpty())
            return ActionResult::refused(refusal);
        enabled << programPath;
        return {};
    }
};

class FakeSystemExit final : public SystemExit
{
public:
    QList<int> requested;
    QString refusal; ///< when set, every request is refused with it
    ActionResult exitSystem(int flags) override
    {
        requested << flags;
        return refusal.isEmpty() ? ActionResult() : ActionResult::refused(refusal);
    }
};

class FakeLifecycle final : public Lifecycle
{
public:
    int ended = 0;
    void endProgram() override { ++ended; }
};

/// Records the notifications shown and closed; the test plays the user acting on them.
class FakeDesktopNotifier final : public DesktopNotifier
{
public:
    struct Shown
    {
        quint32 id;
        DesktopNotification notification;
    };
    QList<Shown> shown;
    QList<quint32> closedIds; ///< closed by the program, in order

    quint32 show(const DesktopNotification &notification) override
    {
        shown.append({ quint32(shown.size() + 1), notification });
        return shown.last().id;
    }
    void close(quint32 id) override { closedIds << id; }
    /// The user chose an action of the notification.
    void invoke(quint32 id, const QString &action) { emit actionInvoked(id, action); }
    /// The user closed the notification.
    void closeByUser(quint32 id) { emit closed(id); }
};

/// A keyring in memory; switched off, it answers nothing, as on a desktop without one.
class FakeSecrets final : public Secrets
{
public:
    QHash<QString, QString> kept;
    bool available = true;

    std::optional<QString> read(const QString &key) override
    {
        return available && kept.contains(key) ? std::optional(kept.value(key)) : std::nullopt;
    }
    bool write(const QString &key, const QString &secret) override
    {
        if (available)
            kept.insert(key, secret);
        return available;
    }
};

/// A full set of fakes, and the services that hand them to the program.
struct FakeServices
{
    std::shared_ptr<FakeClock> clock = std::make_shared<FakeClock>();
    std::shared_ptr<FakeDialogs> dialogs = std::make_shared<FakeDialogs>();
    std::shared_ptr<FakeShell> shell = std::make_shared<FakeShell>();
    std::shared_ptr<FakeSoundPlayer> sound = std::make_shared<FakeSoundPlayer>();
    std::shared_ptr<FakeTrayIcon> tray = std::make_shared<FakeTrayIcon>();
    std::shared_ptr<FakeAutoStart> autoStart = std::make_shared<FakeAutoStart>();
    std::shared_ptr<FakeSystemExit> systemExit = std::make_shared<FakeSystemExit>();
    std::shared_ptr<FakeLifecycle> lifecycle = std::make_shared<FakeLifecycle>();
    std::shared_ptr<FakeDesktopNotifier> notifier = std::make_shared<FakeDesktopNotifier>();
    std::shared_ptr<FakeSecrets> secrets = std::make_shared<FakeSecrets>();

    Services services() const
    {
        return Services { clock, dialogs, shell, sound, tray, autoStart, systemExit, lifecycle, notifier, secrets };
    }
};
