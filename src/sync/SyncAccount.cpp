// SPDX-License-Identifier: MIT
#include "sync/SyncAccount.h"

#include "store/Database.h"
#include "store/ProgramOptions.h"
#include "sync/SyncState.h"

namespace syncing {
namespace {

const QString Server = QStringLiteral("sync_server");
const QString User = QStringLiteral("sync_user");
const QString Calendar = QStringLiteral("sync_calendar");
const QString AddressBook = QStringLiteral("sync_address_book");
const QString Automatic = QStringLiteral("sync_automatic");
const QString Journals = QStringLiteral("sync_journals");

QString option(const store::Database &db, const QString &name)
{
    return store::programOption(db, name).value_or(QString());
}

} // namespace

QString SyncAccount::secretKey() const
{
    return QStringLiteral("%1@%2").arg(user, server.toString(QUrl::RemoveUserInfo | QUrl::StripTrailingSlash));
}

SyncAccount savedAccount(const store::Database &db)
{
    SyncAccount account;
    account.server = QUrl(option(db, Server));
    account.user = option(db, User);
    account.collections.calendar = QUrl(option(db, Calendar));
    account.collections.addressBook = QUrl(option(db, AddressBook));
    account.collections.journals = option(db, Journals) == QLatin1String("on");
    account.automatic = option(db, Automatic) != QLatin1String("off");
    return account;
}

void saveAccount(store::Database &db, const SyncAccount &account)
{
    const SyncAccount before = savedAccount(db);
    store::Transaction transaction(db);
    if (before.collections.calendar != account.collections.calendar
        || before.collections.addressBook != account.collections.addressBook
        || before.collections.journals != account.collections.journals)
        forgetSyncState(db);
    store::setProgramOption(db, Server, account.server.toString());
    store::setProgramOption(db, User, account.user);
    store::setProgramOption(db, Calendar, account.collections.calendar.toString());
    store::setProgramOption(db, AddressBook, account.collections.addressBook.toString());
    store::setProgramOption(db, Journals, account.collections.journals ? QStringLiteral("on") : QStringLiteral("off"));
    store::setProgramOption(db, Automatic, account.automatic ? QStringLiteral("on") : QStringLiteral("off"));
    transaction.commit();
}

DavAnswer setUpAccount(store::Database &db, SyncAccount account, const QString &password)
{
    DavClient client({ account.server, account.user, password });
    const DavAnswer found = discoverCollections(client, &account.collections);
    if (found.succeeded())
        saveAccount(db, account);
    return found;
}

} // namespace syncing
