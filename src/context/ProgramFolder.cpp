// SPDX-License-Identifier: MIT
#include "context/ProgramFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace {

const auto Private = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

} // namespace

QString ProgramFolder::userDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/orrisday");
}

ProgramFolder ProgramFolder::ofExecutable(const QString &executableFolder)
{
    if (QDir(executableFolder).exists(QStringLiteral("sys/dll")))
        return ProgramFolder(executableFolder);
    const QString data = userDataFolder();
    // The same folders, private to the user, as an install of a program folder makes.
    QDir().mkpath(QFileInfo(data).absolutePath());
    for (const QString &folder : { data, data + QStringLiteral("/sys"), data + QStringLiteral("/sys/dll"),
             data + QStringLiteral("/Database") })
        QDir().mkdir(folder, Private);
    const QDir bin(executableFolder);
    return ProgramFolder(QDir::cleanPath(bin.filePath(QStringLiteral(ORRISDAY_FILES_FROM_BIN))), data,
        QDir::cleanPath(bin.filePath(QStringLiteral(ORRISDAY_MODULES_FROM_BIN))), executableFolder);
}
