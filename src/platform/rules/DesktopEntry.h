// SPDX-License-Identifier: MIT
// The desktop entry that starts the program with the user's session.
#pragma once

#include <QString>

/// A program path as one argument of a desktop entry's Exec key: quoted, with the characters
/// that the quoting and the entry's string value reserve escaped, and "%" doubled.
QString execArgument(const QString &programPath);

/// The autostart entry that starts the program at the path in its own folder.
QString autostartEntry(const QString &programPath);

/// The entry's file in the user's configuration folder (XDG_CONFIG_HOME, ~/.config when unset).
QString autostartEntryFile(const QString &configHome);
