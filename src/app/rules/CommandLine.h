// SPDX-License-Identifier: MIT
// What the program's command line asks for.
#pragma once

#include <QStringList>

struct CommandLine
{
    enum class Action {
        Start,          ///< the window; files given are imported by the running copy
        ExportCalendar, ///< files: the one .ics file to write, no window
        ExportContacts, ///< files: the one .vcf file to write, no window
        Import,         ///< files: the .ics and .vcf files to read, no window
        SyncAccount,    ///< text: the server URL to sync with, user: its user name; no window
        Sync,           ///< one sync round with the saved account, no window
        Print,          ///< text: the help or the version, for the standard output; exit 0
        Refuse,         ///< text: what is wrong, for the standard error; exit 2
    };

    Action action = Action::Start;
    QStringList files; ///< absolute paths
    QString text;
    bool withPrograms = false; ///< an import keeps the programs its reminders name
    QString user {};           ///< the sync account's user name
};

/// Reads the arguments, the program's name first. Qt's own options for the display (-platform,
/// -style, ...) are let through for QApplication to take.
CommandLine readCommandLine(const QStringList &arguments);
