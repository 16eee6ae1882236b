// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

/// The folder that holds the executable, and the files the program keeps under it.
struct ProgramFolder
{
    QString root;

    QString executable() const { return root + QStringLiteral("/orrisday"); }
    QString database() const { return root + QStringLiteral("/sys/dll/sysks.dll"); }
    QString alertSound() const { return root + QStringLiteral("/Wave/Alert.wav"); }
    QString birthdaySound() const { return root + QStringLiteral("/Wave/Birthday.wav"); }
    QString noPicture() const { return root + QStringLiteral("/database/nopicture.gif"); }
    QString backupFolder() const { return root + QStringLiteral("/Database/"); }
    QString helpPage() const { return root + QStringLiteral("/orrisday.html"); }
    QString licence() const { return root + QStringLiteral("/OrrisdayEULA.txt"); }
};
