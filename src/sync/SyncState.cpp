// SPDX-License-Identifier: MIT
#include "sync/SyncState.h"

namespace syncing {
namespace {

const QString ItemTable = QStringLiteral("SYNC_ITEM");
const QString CollectionTable = QStringLiteral("SYNC_COLLECTION");

bool prepared(const store::Database &db)
{
    QSqlQuery found = db.run(
        QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name IN (?, ?)"),
        { ItemTable, CollectionTable });
    return found.next() && found.value(0).toInt() == 2;
}

QString kindText(Kind kind)
{
    return kind == Kind::Contacts ? QStringLiteral("contacts") : QStringLiteral("calendar");
}

const QString ItemColumns = QStringLiteral("uid, kind, href, etag, digest, remote_only");

SyncedItem itemOf(const QSqlQuery &row)
{
    return { row.value(0).toString(),
        row.value(1).toString() == kindText(Kind::Contacts) ? Kind::Contacts : Kind::Calendar,
        row.value(2).toString(), row.value(3).toString().toUtf8(), row.value(4).toString().toUtf8(),
        row.value(5).toBool() };
}

} // namespace

void prepareSyncState(store::Database &db)
{
    if (prepared(db))
        return;
    // Each statement stands alone, so the tables may be made inside a round's transaction.
    db.run(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (uid TEXT PRIMARY KEY, kind TEXT NOT NULL, "
                          "href TEXT NOT NULL UNIQUE, etag TEXT NOT NULL DEFAULT '', digest TEXT NOT NULL DEFAULT '', "
                          "remote_only INTEGER NOT NULL DEFAULT 0)")
               .arg(ItemTable));
    db.run(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (collection TEXT PRIMARY KEY, token TEXT NOT NULL)")
               .arg(CollectionTable));
}

QHash<QString, SyncedItem> syncedItems(const store::Database &db)
{
    QHash<QString, SyncedItem> items;
    if (!prepared(db))
        return items;
    QSqlQuery rows = db.run(QStringLiteral("SELECT %1 FROM %2").arg(ItemColumns, ItemTable));
    while (rows.next()) {
        SyncedItem item = itemOf(rows);
        items.insert(item.uid, item);
    }
    return items;
}

std::optional<SyncedItem> syncedItemAt(const store::Database &db, const QString &href)
{
    if (!prepared(db))
        return std::nullopt;
    QSqlQuery row = db.run(QStringLiteral("SELECT %1 FROM %2 WHERE href = ?").arg(ItemColumns, ItemTable), { href });
    if (!row.next())
        return std::nullopt;
    return itemOf(row);
}

void saveSyncedItem(store::Database &db, const SyncedItem &item)
{
    prepareSyncState(db);
    // An href names one member: a UID found at another's href takes its place.
    db.write(QStringLiteral("INSERT OR REPLACE INTO %1 (%2) VALUES (?, ?, ?, ?, ?, ?)").arg(ItemTable, ItemColumns),
        { item.uid, kindText(item.kind), item.href, QString::fromUtf8(item.etag), QString::fromUtf8(item.digest),
            item.remoteOnly ? 1 : 0 });
}

void forgetSyncedItem(store::Database &db, const QString &uid)
{
    prepareSyncState(db);
    db.write(QStringLiteral("DELETE FROM %1 WHERE uid = ?").arg(ItemTable), { uid });
}

QString syncToken(const store::Database &db, const QString &collection)
{
    if (!prepared(db))
        return {};
    QSqlQuery row = db.run(
        QStringLiteral("SELECT token FROM %1 WHERE collection = ?").arg(CollectionTable), { collection });
    return row.next() ? row.value(0).toString() : QString();
}

void saveSyncToken(store::Database &db, const QString &collection, const QString &token)
{
    prepareSyncState(db);
    db.write(QStringLiteral("INSERT OR REPLACE INTO %1 (collection, token) VALUES (?, ?)").arg(CollectionTable),
        { collection, token });
}

void forgetSyncState(store::Database &db)
{
    prepareSyncState(db);
    db.run(QStringLiteral("DELETE FROM %1").arg(ItemTable));
    db.run(QStringLiteral("DELETE FROM %1").arg(CollectionTable));
}

} // namespace syncing
