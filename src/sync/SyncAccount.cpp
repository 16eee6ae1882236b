// SPDX-License-Identifier: MIT
#include "sync/SyncAccount.h"

#include "store/Database.h"
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
    QSqlQuery value = db.run(QStringLiteral("SELECT option_value FROM program_option WHERE option_name = ?"), { name });
    return value.next() ? value.value(0).toString() : QString();
}

void setOption(store::Database &db, const QString &name, const QString &value)
{
    db.run(QStringLiteral("INSERT OR REPLACE INTO program_option (option_name, option_value) VALUES (?, ?)"),
        { name, value });
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
    setOption(db, Server, account.server.toString());
    setOption(db, User, account.user);
    setOption(db, Calendar, account.collections.calendar.toString());
    setOption(db, AddressBook, account.collections.addressBook.toString());
    setOption(db, Journals, account.collections.journals ? QStringLiteral("on") : QStringLiteral("off"));
    setOption(db, Automatic, account.automatic ? QStringLiteral("on") : QStringLiteral("off"));
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
