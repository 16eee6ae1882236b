// SPDX-License-Identifier: MIT
#include "options/ManualBackup.h"

#include "options/rules/BackupName.h"
#include "platform/rules/WholeFile.h"
#include "store/Database.h"
#include "widgets/rules/StoreFailure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

const QString NotMade = QStringLiteral("The backup could not be made");

BackupOutcome failed(const QString &why)
{
    return { false, false, NotMade + QStringLiteral(": ") + why + QStringLiteral(". Your records are unchanged.") };
}

/// An empty file only its owner may read, for the copy to go into.
bool createPrivateFile(const QString &file, QString *why)
{
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *why = QStringLiteral("%1 cannot be written (%2)").arg(QDir::toNativeSeparators(file), f.errorString());
        return false;
    }
    f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return true;
}

/// Flushes the file to the disk; gives the error number when that fails.
int flushToDisk(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadWrite))
        return EACCES;
    return ::fsync(f.handle()) == 0 ? 0 : errno;
}

} // namespace

void removeUnfinishedBackups(const QString &folder)
{
    QDir backups(folder);
    for (const QString &name : backups.entryList({ options::unfinishedBackupName(QStringLiteral("*")) }, QDir::Files))
        backups.remove(name);
}

BackupOutcome makeBackup(const store::Database &db, const QString &backupFile)
{
    const QString folder = QFileInfo(backupFile).absolutePath();
    removeUnfinishedBackups(folder);
    if (!QDir().mkpath(folder))
        return failed(QStringLiteral("the folder %1 cannot be created").arg(QDir::toNativeSeparators(folder)));

    const QString unfinished = options::unfinishedBackupName(backupFile);
    QString why;
    if (!createPrivateFile(unfinished, &why))
        return failed(why);
    try {
        db.copyInto(unfinished);
    } catch (const store::Error &error) {
        QFile::remove(unfinished);
        if (error.code() == store::Locked)
            return { false, true, QStringLiteral("Either The Database Is Open Or Locked") };
        if (error.code() == store::Damaged)
            return { false, false, records::storeFailureText(NotMade, error.code()) };
        if (error.code() == store::DiskFull)
            return failed(files::plainReason(ENOSPC));
        return failed(QStringLiteral("the copy could not be written"));
    }
    if (const int error = flushToDisk(unfinished)) {
        QFile::remove(unfinished);
        return failed(QStringLiteral("%1 cannot be written to disk: %2")
                .arg(QDir::toNativeSeparators(unfinished), files::plainReason(error)));
    }
    // rename() replaces an earlier backup of the day in one step.
    if (std::rename(QFile::encodeName(unfinished).constData(), QFile::encodeName(backupFile).constData()) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(unfinished);
        return failed(QStringLiteral("%1 cannot be replaced (%2)").arg(QDir::toNativeSeparators(backupFile), reason));
    }
    return { true, false, {} };
}
