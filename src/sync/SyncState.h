// SPDX-License-Identifier: MIT
// What the store remembers of the server between rounds, in tables of their own: each synced
// member's href, etag and the digest of the version both sides last agreed on, and each
// collection's sync token.
#pragma once

#include "sync/LocalResources.h"

#include <QHash>
#include <optional>

namespace syncing {

struct SyncedItem
{
    QString uid;
    Kind kind = Kind::Calendar;
    QString href;
    QByteArray etag;
    QByteArray digest; ///< of the version last agreed on; empty for a member kept only on the server
    /// A member the store could not hold (a kind that stays local): never pushed or deleted.
    bool remoteOnly = false;
};

/// Creates the tables when missing. The functions below that write call it themselves; those that
/// read find nothing before.
void prepareSyncState(store::Database &db);

/// Every synced member by UID. One whose UID no record has any more (and is not remote-only) was
/// deleted here, and stays until its deletion reached the server.
QHash<QString, SyncedItem> syncedItems(const store::Database &db);
/// The member of an href; none when none is known.
std::optional<SyncedItem> syncedItemAt(const store::Database &db, const QString &href);
void saveSyncedItem(store::Database &db, const SyncedItem &item);
void forgetSyncedItem(store::Database &db, const QString &uid);

QString syncToken(const store::Database &db, const QString &collection);
void saveSyncToken(store::Database &db, const QString &collection, const QString &token);

/// Forgets every member and token: for an account moved to another server or collection.
void forgetSyncState(store::Database &db);

} // namespace syncing
