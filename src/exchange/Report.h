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
    QStringList skipped; ///< one line per component left out, saying which and why
    QString failure;     ///< set when the whole file was refused; then nothing was stored

    bool succeeded() const { return failure.isEmpty(); }
    /// One paragraph for the user: the counts, then what was skipped (the first few, then a total).
    QString summary(const QString &verb) const;
};

} // namespace exchange
