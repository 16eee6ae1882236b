// SPDX-License-Identifier: MIT
// Every effect outside the program's own windows and database goes through these interfaces.
#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <utility>

class QMenu;

/// The current local date and time.
class Clock : public QObject
{
    Q_OBJECT
public:
    /// The current local date and time.
    virtual QDateTime now() const = 0;

signals:
    /// The wall clock was set or jumped (set by the user or by time sync, resumed from suspend):
    /// a wait for a wall-clock moment must be measured again.
    void wallClockChanged();
};

enum class MessageIcon { None, Information, Warning, Critical };

/// What a change to one occurrence of a repeating task or schedule applies to.
enum class SeriesScope { Cancelled, ThisOne, WholeSeries };

/// Message boxes and file choosers.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    /// An OK-only message box; an empty title shows the application title.
    virtual void message(const QString &text, MessageIcon icon, const QString &title) = 0;
    /// The file-open chooser; an empty result means it was cancelled.
    virtual std::optional<QString> openFile(const QString &filter, const QString &defaultSuffix) = 0;
    /// The file-open chooser taking several files; none when it was cancelled.
    virtual QStringList openFiles(const QString &filter) = 0;
    /// The file-save chooser (it asks before replacing a file); empty when cancelled.
    virtual std::optional<QString> saveFile(const QString &filter, const QString &defaultSuffix) = 0;
    /// A question answered Yes (true) or No, No being the default.
    virtual bool ask(const QString &text, const QString &title) = 0;
    /// Asks whether a change of a repeating record is for "Only This One" (the default) or the
    /// "Whole Series", the two far apart; Cancel and Escape give Cancelled.
    virtual SeriesScope askSeriesScope(const QString &text, const QString &title) = 0;
};

/// Starts programs and opens documents and web addresses.
class Shell
{
public:
    virtual ~Shell() = default;
    /// Starts a program or opens a document or web address; false when nothing could be opened.
    virtual bool open(const QString &target, const QString &workingFolder) = 0;
};

/// Plays reminder sounds.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    /// Plays the file; a new sound replaces the one playing.
    virtual void play(const QString &path) = 0;
};

/// The icon in the desktop's notification area.
class TrayIcon : public QObject
{
    Q_OBJECT
public:
    /// Shows the icon with its tip text and context menu.
    virtual void show(const QString &tip, QMenu *menu) = 0;
    /// Removes the icon; nothing happens when it is not shown.
    virtual void remove() = 0;
    /// Whether the icon is shown.
    virtual bool isShown() const = 0;
    /// Whether the desktop has a notification area at all.
    virtual bool isAvailable() const = 0;

signals:
    /// The user double-clicked the icon with the left button.
    void doubleClicked();
};

/// What a platform action came to: done, or refused with the reason in plain words.
struct ActionResult
{
    bool done = true;
    QString why; ///< empty when done

    static ActionResult refused(const QString &why) { return { false, why }; }
};

/// Registration of the program to start with the user's session.
class AutoStart
{
public:
    virtual ~AutoStart() = default;
    /// Registers the program at the given path to start with the current user's session.
    virtual ActionResult enable(const QString &programPath) = 0;
};

/// Leaves the session or the computer.
class SystemExit
{
public:
    virtual ~SystemExit() = default;
    /// Exit flags of the computer events, as the program stores them (each forced).
    enum Flags { LogOff = 4, ShutDown = 5, Restart = 7, PowerOff = 12 };
    /// Carries out a computer event given by its exit flags; flags it does not know do nothing.
    virtual ActionResult exitSystem(int flags) = 0;
};

/// Ends the program.
class Lifecycle
{
public:
    virtual ~Lifecycle() = default;
    /// Ends the whole program at once; nothing is asked or saved.
    virtual void endProgram() = 0;
};

/// A notification for the desktop's notification service.
struct DesktopNotification
{
    QString summary;
    QString body;
    /// Shown above others and kept on screen (a reminder that has fallen due).
    bool critical = false;
    /// Action keys with their labels, in order; the key "default" is a click on the notification.
    QList<std::pair<QString, QString>> actions;
};

/// The desktop's notification service: notifications that reach its list and lock screen.
class DesktopNotifier : public QObject
{
    Q_OBJECT
public:
    /// Shows a notification that stays until it is closed, without a sound of its own, and gives
    /// the id that close() and the signals name it by. Its actions are offered only where the
    /// service can show them. Without a notification service nothing is shown.
    virtual quint32 show(const DesktopNotification &notification) = 0;
    /// Takes the notification away; an id that is gone does nothing.
    virtual void close(quint32 id) = 0;

signals:
    /// The user chose one of the notification's actions.
    void actionInvoked(quint32 id, const QString &action);
    /// The user or the service closed the notification (not told for close()).
    void closed(quint32 id);
};

/// The desktop's keyring (the Secret Service), for the sync account's password.
class Secrets
{
public:
    virtual ~Secrets() = default;
    /// The secret kept under the key; none when there is none or no keyring answers.
    virtual std::optional<QString> read(const QString &key) = 0;
    /// Keeps the secret under the key; false when no keyring answers.
    virtual bool write(const QString &key, const QString &secret) = 0;
};

/// The platform services handed to the program at start.
struct Services
{
    std::shared_ptr<Clock> clock;
    std::shared_ptr<Dialogs> dialogs;
    std::shared_ptr<Shell> shell;
    std::shared_ptr<SoundPlayer> sound;
    std::shared_ptr<TrayIcon> tray;
    std::shared_ptr<AutoStart> autoStart;
    std::shared_ptr<SystemExit> systemExit;
    std::shared_ptr<Lifecycle> lifecycle;
    std::shared_ptr<DesktopNotifier> notifier;
    std::shared_ptr<Secrets> secrets;
};
