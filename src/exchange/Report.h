// SPDX-License-Identifier: MIT
// What an export or an import did: the records of each kind and what it had to leave out.
#pragma once

#include <QString>
#include <QStringList>

namespace exchange {

struct Report
{
    int tasks = 0;
    int schedules = 0;
    int notes = 0;
    int birthdays = 0;
    int contacts = 0;
    int reminders = 0;
    // Of the records an import read: new ones, known ones changed in the file, known ones not.
    int added = 0;
    int updated = 0;
    int unchanged = 0;
    // What an import left out of records it kept.
    int programsDropped = 0;  ///< programs named by reminders, not allowed for this import
    int soundsDropped = 0;    ///< sounds naming files that do not exist here
    int repeatsDropped = 0;   ///< repeat rules and changed occurrences that could not be kept
    int birthdaysDropped = 0; ///< birthdays without a year or given as text
    QStringList skipped; ///< one line per component left out, saying which and why
    QStringList droppedRepeats; ///< one line per repeat not kept, saying whose and why
    QString failure;     ///< set when the whole file was refused; then nothing was stored

    bool succeeded() const { return failure.isEmpty(); }
    /// One paragraph for the user: the counts, then what was skipped (the first few, then a total).
    QString summary(const QString &verb) const;
};

} // namespace exchange
