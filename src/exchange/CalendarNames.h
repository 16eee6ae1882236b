// SPDX-License-Identifier: MIT
// What the store keeps that iCalendar has no property for travels in properties of our own.
#pragma once

namespace exchange::names {

inline constexpr const char *Status = "X-ORRISDAY-STATUS";
inline constexpr const char *Priority = "X-ORRISDAY-PRIORITY";
inline constexpr const char *Sound = "X-ORRISDAY-SOUND";
inline constexpr const char *Program = "X-ORRISDAY-PROGRAM";
inline constexpr const char *Undated = "X-ORRISDAY-UNDATED";
inline constexpr const char *Birthday = "X-ORRISDAY-BIRTHDAY";
inline constexpr const char *FirstName = "X-ORRISDAY-FIRST-NAME";
inline constexpr const char *LastName = "X-ORRISDAY-LAST-NAME";
/// Put in place of a line too long to read.
inline constexpr const char *TooLong = "X-ORRISDAY-TOO-LONG";
inline constexpr const char *ContactUid = "X-ORRISDAY-CONTACT-UID";

} // namespace exchange::names
