// SPDX-License-Identifier: MIT
// When a reminder falls due, and what its sound and program columns ask for.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

namespace reminders {

/// A wall-clock instant counted in whole seconds, so instants of different days compare and
/// subtract plainly. A missing day or time gives -1.
qint64 wallSecond(QDate date, QTime time);
qint64 wallSecond(const QDateTime &moment);

/// The seconds a scan tick must look at: those after the last scanned one up to now, but at
/// most the last `catchUp` seconds. A clock that went back scans only the current second.
struct SecondsToScan
{
    qint64 after = 0; ///< exclusive
    qint64 upTo = 0; ///< inclusive; upTo <= after means nothing to scan
    bool isEmpty() const { return upTo <= after; }
};
SecondsToScan secondsToScan(qint64 lastScanned, qint64 now, int catchUp = 60);

/// The day, `day` itself or the one before, on which a reminder stored for `stored` falls due;
/// an invalid date when it falls due on neither. A yearly reminder (a birthday) falls due on the
/// stored month and day of every year from the stored one on, 29 February on 28 February in
/// common years. A reminder stored for the no-date value never falls due.
QDate dueDayNear(QDate stored, bool yearly, QDate day);

/// Whether a reminder's sound column names a sound to play ("No Sound" and "" do not).
bool namesSound(const QString &sound);
/// Whether a reminder's program column names a program to start ("No Prg" and "" do not).
bool namesProgram(const QString &program);

/// The folder a program or document is opened in: the path up to its last separator (`/` or
/// `\`), or the root folder when the path has no folder part.
QString workingFolderOf(const QString &path);

} // namespace reminders
