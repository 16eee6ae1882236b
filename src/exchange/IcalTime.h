// SPDX-License-Identifier: MIT
// Local days and times to and from libical's time values.
#pragma once

#include "exchange/StoredRows.h"

#include <libical/ical.h>

namespace exchange {

/// A floating value: a date-time, or a date alone when the moment has no time of day.
icaltimetype floatingTime(const Moment &moment);
/// The absolute moment of a local day and time, in UTC.
icaltimetype utcTime(const Moment &moment);
/// The IANA id of the system's time zone, the zone times are written in; empty, for floating
/// times, when the zone is UTC or libical does not have it.
QByteArray localZoneId();
/// libical's zone of an IANA id; none for an id it or the system does not know.
icaltimezone *knownZone(const QByteArray &id);
/// A new VTIMEZONE of a known zone, named by its IANA id.
icalcomponent *newZoneComponent(const QByteArray &id);
/// The local day and time of a value; floating values are taken as they are, zoned ones are
/// converted to the zone the C library last read (tzset()). Both invalid when the value is null or
/// no real day.
Moment localMoment(icaltimetype value);

} // namespace exchange
