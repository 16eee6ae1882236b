// SPDX-License-Identifier: MIT
// Date and time values: the texts the program writes, the canonical stored form and the fixed
// text form read back. None of them depends on the locale.
#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <optional>

namespace store {

/// The program's no-date value, stored where the user gave no date or time.
inline const QString NoDate = QStringLiteral("1/3/1900");

/// What a date or time column holds.
enum class ValueKind { Date, Time };

/// Converts a written text (M/D/YYYY, H : M : S, H:M, or canonical) of the column's kind to the
/// stored form YYYY-MM-DD or HH:MM:SS; nothing when the text is no value of that kind.
std::optional<QString> toStored(const QString &text, ValueKind kind);

/// The fixed text form of a stored value: M/D/YYYY, H:MM:SS or M/D/YYYY H:MM:SS.
QString storedToText(const QString &stored);

/// The day of a stored value; invalid when it holds none.
QDate storedDate(const QString &stored);
/// The time of day of a stored value; invalid when it holds none.
QTime storedTime(const QString &stored);

/// A day as the program writes it: M/D/YYYY without leading zeros.
QString dateText(QDate date);
/// A time as read back: H:MM:SS.
QString timeText(QTime time);
/// A day in the stored form.
QString storedDateOf(QDate date);
/// A time of day in the stored form; empty when it is invalid.
QString storedTimeOf(QTime time);

/// The number `count` digits of `text` from `from` on write; -1 when one of them is no digit.
int digitsAt(QStringView text, qsizetype from, qsizetype count);

/// The day a program text names; invalid when it names none.
QDate parseDate(const QString &text);

} // namespace store
