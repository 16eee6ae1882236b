// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QString>

namespace options {

/// The backup file of a day in the backup folder: "Monday, Dec 7 2026.mdb", in English
/// whatever the locale.
QString backupFileName(QDate day);

/// The name a backup is written under until it is complete, beside the finished one.
QString unfinishedBackupName(const QString &backupFile);

} // namespace options
