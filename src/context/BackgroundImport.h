// SPDX-License-Identifier: MIT
#pragma once

#include "exchange/Matching.h"

class QWidget;

/// Imports the files into the database file on a thread of its own, on a connection of its own,
/// while a progress dialog shows the records read and offers Cancel. The event loop goes on
/// meanwhile (the clock and the reminder scan keep running); the dialog keeps the windows from
/// being used until the import has ended.
exchange::Report importInBackground(
    const QString &databaseFile, const QStringList &files, exchange::ImportOptions options, QWidget *parent);
