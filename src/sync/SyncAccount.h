// SPDX-License-Identifier: MIT
// The one account the store syncs with, kept among the program's options. The password is never
// kept here: the desktop's keyring holds it.
#pragma once

#include "sync/DavClient.h"

namespace store { class Database; }

namespace syncing {

struct SyncAccount
{
    QUrl server; ///< as the user gave it
    QString user;
    Collections collections; ///< found from the server URL when the account was saved
    bool automatic = true;   ///< every 15 minutes and after changes, while the program runs

    bool isSet() const { return collections.calendar.isValid() && collections.addressBook.isValid(); }
    /// The name the keyring keeps the password under.
    QString secretKey() const;
};

SyncAccount savedAccount(const store::Database &db);
/// Saves the account; what the store knew of other collections is forgotten.
void saveAccount(store::Database &db, const SyncAccount &account);

/// Finds the collections from the account's server URL, making them when the home holds none, and
/// saves the account with them. The failure says why in words; nothing is saved then.
DavAnswer setUpAccount(store::Database &db, SyncAccount account, const QString &password);

} // namespace syncing
