// SPDX-License-Identifier: MIT
#include "context/BackgroundSync.h"

#include "context/AppContext.h"
#include "store/Database.h"

BackgroundSync::BackgroundSync(AppContext &app)
    : m_app(app)
{
    m_every.setObjectName(QStringLiteral("syncEvery"));
    m_afterChange.setObjectName(QStringLiteral("syncAfterChange"));
    m_every.setParent(this);
    m_afterChange.setParent(this);
    m_every.setInterval(Every);
    m_afterChange.setInterval(AfterChange);
    m_afterChange.setSingleShot(true);
    connect(&m_every, &QTimer::timeout, this, &BackgroundSync::syncNow);
    connect(&m_afterChange, &QTimer::timeout, this, &BackgroundSync::syncNow);
    connect(&app, &AppContext::storeChanged, this, &BackgroundSync::storeChanged);
    followAccount();
    // The first round comes soon after the start, with what changed elsewhere meanwhile.
    if (m_every.isActive())
        m_afterChange.start();
}

BackgroundSync::~BackgroundSync()
{
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
    }
}

void BackgroundSync::followAccount()
{
    const syncing::SyncAccount account = syncing::savedAccount(m_app.db());
    if (account.isSet() && account.automatic)
        m_every.start();
    else {
        m_every.stop();
        m_afterChange.stop();
    }
}

void BackgroundSync::storeChanged()
{
    if (!m_announcing && m_every.isActive())
        m_afterChange.start();
}

void BackgroundSync::setUpAndSync(const syncing::SyncAccount &account, const QString &password)
{
    if (isRunning())
        return;
    m_newAccount = { account, password };
    start(account, password, true);
}

void BackgroundSync::syncNow()
{
    if (isRunning())
        return;
    const syncing::SyncAccount account = syncing::savedAccount(m_app.db());
    if (!account.isSet())
        return;
    std::optional<QString> password;
    if (!m_sessionPassword.isEmpty())
        password = m_sessionPassword;
    else if (m_app.services().secrets)
        password = m_app.services().secrets->read(account.secretKey());
    if (!password) {
        m_outcome = {};
        m_outcome.result.failure = QStringLiteral("The sync needs the account's password: type it in the options "
                                                  "window's Exchange tab and choose \"Sync now\".");
        ended();
        return;
    }
    start(account, *password, false);
}

void BackgroundSync::start(const syncing::SyncAccount &account, const QString &password, bool settingUp)
{
    m_afterChange.stop();
    m_outcome = {};
    const QString file = m_app.db().file();
    m_worker = QThread::create([this, file, account, password, settingUp] {
        try {
            store::Database db(file);
            syncing::SyncAccount chosen = account;
            if (settingUp) {
                const syncing::DavAnswer found = syncing::setUpAccount(db, account, password);
                if (!found.succeeded()) {
                    m_outcome.setUpFailure = found.failure;
                    return;
                }
                chosen = syncing::savedAccount(db);
            }
            syncing::DavClient client({ chosen.server, chosen.user, password });
            m_outcome.result = syncing::syncOnce(db, client, chosen.collections);
        } catch (const store::Error &) {
            m_outcome.result.failure = QStringLiteral("The records could not be opened for the sync.");
        }
    });
    connect(m_worker, &QThread::finished, this, &BackgroundSync::ended);
    emit roundStarted();
    m_worker->start();
}

void BackgroundSync::ended()
{
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
        m_worker = nullptr;
    }
    followAccount();
    if (m_newAccount && m_outcome.setUpFailure.isEmpty()) {
        // The password is kept once the server took it.
        const auto &[account, password] = *m_newAccount;
        Secrets *keyring = m_app.services().secrets.get();
        m_sessionPassword = keyring && keyring->write(account.secretKey(), password) ? QString() : password;
    }
    m_newAccount.reset();
    const syncing::SyncResult &result = m_outcome.result;
    const bool succeeded = m_outcome.setUpFailure.isEmpty() && result.succeeded();
    m_lastResult = m_outcome.setUpFailure.isEmpty()
        ? result.summary()
        : QStringLiteral("The account could not be set up: %1").arg(m_outcome.setUpFailure);
    if (result.changedStore) {
        m_announcing = true;
        m_app.announceStoreChange();
        m_announcing = false;
    }
    if (succeeded)
        m_toldFailure.clear();
    else if (m_lastResult != m_toldFailure && m_app.services().notifier) {
        m_toldFailure = m_lastResult;
        m_app.services().notifier->show({ QStringLiteral("Orrisday could not sync"), m_lastResult, false, {} });
    }
    emit roundEnded(m_lastResult, succeeded);
}
