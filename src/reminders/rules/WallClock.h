// SPDX-License-Identifier: MIT
// The local wall clock against the instants that exist: where summer time skips or repeats an
// hour, and where the time zone changes, a wall-clock second falls on no instant or on two.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QTimeZone>

namespace reminders {

/// A wall-clock second counted in whole seconds, so seconds of different days compare and
/// subtract plainly. A missing day or time gives -1.
qint64 wallSecond(QDate date, QTime time);
qint64 wallSecond(const QDateTime &moment);
/// The day and the time of day of a wall second.
QDate wallDay(qint64 wall);
QTime wallTime(qint64 wall);

/// The wall second the zone's clock shows at an instant (seconds since the epoch).
qint64 wallSecondAt(qint64 instant, const QTimeZone &zone);

/// The first instant at or after `from` at which the zone's clock shows `wall` or a later
/// second: where the clock jumps over it (the change to summer time), the first second after
/// the jump; where it shows it twice (the change back), its first showing after `from`.
qint64 firstInstantShowing(qint64 wall, qint64 from, const QTimeZone &zone);

/// The first instant at or after a local wall-clock time: a skipped second gives the first
/// second after the jump, a repeated one its first occurrence.
qint64 instantOf(qint64 wall, const QTimeZone &zone);

/// The highest wall second the zone's clock showed in the day up to the instant: above the one
/// it shows then when it was set back in between (the end of summer time).
qint64 highestWallShownBy(qint64 instant, const QTimeZone &zone);

/// The zone a moment is told in. When that zone is unknown, or disagrees with the moment's own
/// offset from UTC, a zone of that fixed offset.
QTimeZone zoneOf(const QDateTime &moment);

/// How long after its wall second a moment of the zone comes: in real time, but never more than
/// the wall clock moved, so a second skipped by summer time is not late at the first second after
/// the jump, nor one shown again after the end of summer time.
qint64 secondsLate(qint64 wall, const QDateTime &now, const QTimeZone &zone);

} // namespace reminders
