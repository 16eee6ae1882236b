// SPDX-License-Identifier: MIT
#include "options/ManualBackup.h"

#include "options/rules/BackupName.h"
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

bool flushToDisk(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadWrite) && ::fsync(f.handle()) == 0;
}

} // namespace

BackupOutcome makeBackup(const store::Database &db, const QString &backupFile)
{
    const QString folder = QFileInfo(backupFile).absolutePath();
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
        return failed(QString::fromUtf8(error.what()));
    }
    if (!flushToDisk(unfinished)) {
        QFile::remove(unfinished);
        return failed(QStringLiteral("%1 cannot be written to disk").arg(QDir::toNativeSeparators(unfinished)));
    }
    // rename() replaces an earlier backup of the day in one step.
    if (std::rename(QFile::encodeName(unfinished).constData(), QFile::encodeName(backupFile).constData()) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(unfinished);
        return failed(QStringLiteral("%1 cannot be replaced (%2)").arg(QDir::toNativeSeparators(backupFile), reason));
    }
    return { true, false, {} };
}
