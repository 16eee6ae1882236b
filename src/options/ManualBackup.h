// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace store { class Database; }

/// What a backup came to.
struct BackupOutcome
{
    bool done = false;
    bool lockedByOther = false; ///< another program holds the database
    QString why;                ///< in plain words, when not done
};

/// Removes the copies an interrupted backup left in the backup folder, whatever their day.
void removeUnfinishedBackups(const QString &folder);

/// Copies the open database into the backup file, consistently (SQLite's own copy of a live
/// database), creating the backup folder when it is missing. The copy is written under a
/// temporary name and replaces an earlier backup of that name only once it is complete; it can
/// be read by its owner only; what earlier backups left unfinished is removed. The database stays open and usable whatever happens.
BackupOutcome makeBackup(const store::Database &db, const QString &backupFile);
