// SPDX-License-Identifier: MIT
#include "options/rules/BackupName.h"

#include <QLocale>

namespace options {

QString backupFileName(QDate day)
{
    return QLocale::c().toString(day, QStringLiteral("dddd, MMM d yyyy")) + QStringLiteral(".mdb");
}

QString unfinishedBackupName(const QString &backupFile)
{
    return backupFile + QStringLiteral(".part");
}

} // namespace options
