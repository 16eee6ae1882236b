// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QString>

namespace options {

/// The event time to store: the picked time ("H : M : S") while the time box shows it or its
/// hour and minute, else the box's own text, so that what is stored is what the box shows.
QString eventTimeToStore(const QString &shown, const QString &picked);

/// Whether the date and time texts name a moment before the current second. Texts that name no
/// date or time give false: the store refuses them.
bool momentHasPassed(const QString &dateText, const QString &timeText, const QDateTime &now);

} // namespace options
