// SPDX-License-Identifier: MIT
#pragma once

#include "sync/SyncAccount.h"
#include "sync/SyncRound.h"

#include <QObject>
#include <QThread>
#include <QTimer>
#include <memory>

class AppContext;

/// Sync rounds on a thread of their own, on a connection of their own, so the windows never wait
/// for the server: when asked, and with an automatic account every 15 minutes and a little after
/// each change. A round that fails says why once (a desktop notification) and is tried again at
/// the next turn; the records it changed are read again by the program.
class BackgroundSync final : public QObject
{
    Q_OBJECT
public:
    explicit BackgroundSync(AppContext &app);
    ~BackgroundSync() override;

    static constexpr std::chrono::minutes Every { 15 };
    static constexpr std::chrono::seconds AfterChange { 30 };

    bool isRunning() const { return m_worker != nullptr; }
    /// The last round's result in words; empty before the first.
    const QString &lastResult() const { return m_lastResult; }

    /// Saves the account with the collections found at its URL and runs a round. The password
    /// goes into the keyring, or, where none answers, is kept for this session.
    void setUpAndSync(const syncing::SyncAccount &account, const QString &password);
    /// Runs a round now with the saved account, unless one runs.
    void syncNow();
    /// Starts or stops the automatic rounds as the saved account says.
    void followAccount();

signals:
    void roundStarted();
    void roundEnded(const QString &result, bool succeeded);

private:
    struct Outcome
    {
        syncing::SyncResult result;
        QString setUpFailure;
    };
    void start(const syncing::SyncAccount &account, const QString &password, bool settingUp);
    void ended();
    void storeChanged();

    AppContext &m_app;
    QTimer m_every;
    QTimer m_afterChange;
    QThread *m_worker = nullptr;
    Outcome m_outcome;
    QString m_sessionPassword;
    std::optional<std::pair<syncing::SyncAccount, QString>> m_newAccount; ///< being set up, with its password
    QString m_lastResult;
    QString m_toldFailure;
    bool m_announcing = false;
};
