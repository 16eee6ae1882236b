// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

/// Where the program's files lie. A portable program folder holds everything beside the
/// executable: the program's own files, the sound module and the user's data (sys/dll/). An
/// installed program keeps its own files in PREFIX/share/orrisday, its module under the libdir
/// and the user's data in ${XDG_DATA_HOME:-~/.local/share}/orrisday.
struct ProgramFolder
{
    /// A portable program folder.
    ProgramFolder(const QString &folder) : root(folder), data(folder), modules(folder), bin(folder) {}
    ProgramFolder(const QString &files, const QString &data, const QString &modules, const QString &bin)
        : root(files), data(data), modules(modules), bin(bin)
    {
    }

    /// The layout of the program whose executable lies in a folder: portable when a sys/dll
    /// folder stands beside it, else installed, with the user's data folder made when missing.
    static ProgramFolder ofExecutable(const QString &executableFolder);
    /// The user's data folder of an installed program.
    static QString userDataFolder();

    QString root;    ///< the program's own, read-only files
    QString data;    ///< the user's database and backups
    QString modules; ///< the sound module
    QString bin;     ///< the executable's folder

    QString executable() const { return bin + QStringLiteral("/orrisday"); }
    QString database() const { return data + QStringLiteral("/sys/dll/sysks.dll"); }
    QString alertSound() const { return root + QStringLiteral("/Wave/Alert.wav"); }
    QString birthdaySound() const { return root + QStringLiteral("/Wave/Birthday.wav"); }
    QString noPicture() const { return root + QStringLiteral("/database/nopicture.gif"); }
    QString backupFolder() const { return data + QStringLiteral("/Database/"); }
    QString helpPage() const { return root + QStringLiteral("/orrisday.html"); }
    QString licence() const { return root + QStringLiteral("/OrrisdayEULA.txt"); }
};
