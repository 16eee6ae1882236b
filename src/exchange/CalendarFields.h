// SPDX-License-Identifier: MIT
// The store's status and priority texts and their iCalendar values, and the text of our own
// properties.
#pragma once

#include <QString>
#include <libical/ical.h>

namespace exchange {

/// The to-do status of a status text; ICAL_STATUS_NONE for a text without one.
icalproperty_status todoStatus(const QString &status);
/// The status text of a to-do status; "Not Started" for any status without one.
QString statusText(icalproperty_status status);

/// The priority value (1 highest, 9 lowest) of a priority text; 0 for none.
int priorityValue(const QString &priority);
/// The priority text of a value; empty for 0 (undefined).
QString priorityText(int value);

/// The text written for a value of our own properties. libical drops blanks at either end of a
/// value and refuses an empty one, so such a value, and one that starts with a double quote, is
/// written in double quotes.
QString quotedWhereNeeded(const QString &value);
/// The value a text of our own properties was written for: without the double quotes around it.
QString unquoted(const QString &text);

} // namespace exchange
