// SPDX-License-Identifier: MIT
// A large calendar read in pieces, so that the store can take one piece while the next is parsed.
#pragma once

#include <QByteArray>
#include <QList>

namespace exchange {

/// The calendar as calendars of at most `records` components each, in the file's order; each
/// piece has the whole calendar's properties and time zones. The text whole when it is not one
/// calendar whose components begin and end in order, or holds no more than `records`.
QList<QByteArray> calendarPieces(const QByteArray &text, int records);

} // namespace exchange
