// SPDX-License-Identifier: MIT
// One round of two-way sync between the store and the account's calendar and address book: the
// server's changes come in first, then the store's go out. Nothing is lost on either side: a
// record changed on both becomes the server's version plus a copy of ours, and a deletion crosses
// only where the other side did not change the record meanwhile.
#pragma once

#include "sync/DavClient.h"

namespace store { class Database; }

namespace syncing {

/// What a round did, on both sides together.
struct SyncResult
{
    int added = 0;
    int updated = 0;
    int deleted = 0;
    int conflicts = 0;
    QString failure; ///< why the round stopped, in words; what it finished before is kept

    bool succeeded() const { return failure.isEmpty(); }
    bool changedStore = false; ///< whether records here were written
    /// The round in one sentence for the user.
    QString summary() const;
};

/// Runs one round on the calling thread, with the store's connection of that thread. The server's
/// changes are stored with the collection's new sync token in one transaction; each change sent
/// is remembered as soon as the server took it, so a round broken off anywhere resumes.
SyncResult syncOnce(store::Database &db, DavClient &client, const Collections &collections);

} // namespace syncing
