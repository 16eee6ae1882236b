// SPDX-License-Identifier: MIT
// When a reminder falls due, and what its sound and program columns ask for.
#pragma once

#include "reminders/rules/WallClock.h"

#include <QString>

namespace reminders {

/// How far back a scan catches up on seconds it did not see (a clock that jumped forward, a
/// computer that slept).
constexpr qint64 CatchUpSeconds = 24 * 60 * 60;
/// A reminder raised this long or longer after its second is raised late, and says so.
constexpr qint64 LateAfterSeconds = 60;

/// The seconds a scan tick must look at: those after the last scanned one up to now, but at
/// most the last `catchUp` seconds. A clock that went back scans only the current second.
struct SecondsToScan
{
    qint64 after = 0; ///< exclusive
    qint64 upTo = 0; ///< inclusive; upTo <= after means nothing to scan
    bool isEmpty() const { return upTo <= after; }
};
SecondsToScan secondsToScan(qint64 lastScanned, qint64 now, qint64 catchUp = CatchUpSeconds);

/// The day, `day` itself or the one before, on which a reminder stored for `stored` falls due;
/// an invalid date when it falls due on neither. A yearly reminder (a birthday) falls due on the
/// stored month and day of every year from the stored one on, 29 February on 28 February in
/// common years. A reminder stored for the no-date value never falls due.
QDate dueDayNear(QDate stored, bool yearly, QDate day);

/// What a reminder raised late says: "due 10:00:00, 12 minutes ago", with the day when it was
/// due on another day than `today`.
QString lateNotice(QDate dueDay, QTime dueTime, QDate today, qint64 secondsLate);

/// Whether a reminder's sound column names a sound to play ("No Sound" and "" do not).
bool namesSound(const QString &sound);
/// Whether a reminder's program column names a program to start ("No Prg" and "" do not).
bool namesProgram(const QString &program);

/// The folder a program or document is opened in: the path up to its last separator (`/` or
/// `\`), or the root folder when the path has no folder part.
QString workingFolderOf(const QString &path);

} // namespace reminders
