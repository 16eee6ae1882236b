// SPDX-License-Identifier: MIT
// The end of a repeat rule in the form its series' start takes: iCalendar wants UNTIL as a day
// for a series of whole days, as a floating time for floating times, and in UTC for zoned ones,
// while the store keeps the last day alone.
#pragma once

#include "exchange/StoredRows.h"

#include <QString>

namespace exchange {

/// The RRULE value with its UNTIL day written to suit a series starting at `start`: the end of
/// that day, floating or (when `zoned`) in UTC, for a start with a time of day.
QString ruleToWrite(const QString &rrule, const Moment &start, bool zoned);

/// The RRULE value with its UNTIL as the last day an occurrence starting at `start`'s time of
/// day may fall on; empty when the UNTIL cannot be read.
QString ruleToKeep(const QString &rrule, const Moment &start);

} // namespace exchange
