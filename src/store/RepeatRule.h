// SPDX-License-Identifier: MIT
// How a task or schedule repeats: the rule as the editors show it, its RFC 5545 RRULE text, its
// words for the lists, and its occurrences. A monthly rule on a day the month lacks (the 31st)
// falls on the month's last day, a yearly one on 29 February on 28 February in common years; the
// RRULE text says so in terms other programs expand alike.
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace store {

enum class Frequency { Daily, Weekly, Monthly, Yearly };

/// Which day of the month a monthly rule takes from its first occurrence.
enum class MonthlyBy {
    DayOfMonth,  ///< the same day number ("on day 14")
    NthWeekday,  ///< the same weekday of the same week ("on the second Tuesday")
    LastWeekday, ///< the month's last of that weekday ("on the last Friday")
};

struct RepeatRule
{
    Frequency frequency = Frequency::Daily;
    int interval = 1;                 ///< every n days, weeks, months or years; at least 1
    QList<Qt::DayOfWeek> weekdays;    ///< weekly: the days, in week order; empty means the start's weekday
    MonthlyBy monthlyBy = MonthlyBy::DayOfMonth;
    QDate until;                      ///< the last day an occurrence may fall on; invalid for none
    int count = 0;                    ///< how many occurrences in all; 0 for no such end

    bool operator==(const RepeatRule &) const = default;
};

/// A series: its rule and the days left out of it.
struct Repeat
{
    RepeatRule rule;
    QList<QDate> exceptions;

    bool operator==(const Repeat &) const = default;
};

/// The RRULE value (without "RRULE:") of the rule for a series whose first occurrence is on `start`.
QString toRRule(const RepeatRule &rule, QDate start);

/// The rule an RRULE value says, for a series starting on `start`; none when the program cannot
/// keep it, with the reason in `why` ("hourly repeats", "BYSETPOS", …).
std::optional<RepeatRule> fromRRule(const QString &rrule, QDate start, QString *why = nullptr);

/// The rule in words for the lists, in English whatever the locale, days as the lists write them:
/// "every day", "every 2 days", "every Monday", "every Monday, Wednesday and Friday until
/// 3/31/2027", "every 2 weeks on Tuesday and Thursday", "every month on day 31", "every month on
/// the second Tuesday", "every 3 months on the last Friday", "every year on 29 February",
/// "every 2 years on 14 March, 5 times" (", once" for a count of one).
QString inWords(const RepeatRule &rule, QDate start);

/// The days from `from` to `to` (both included) on which the series starting on `start` has an
/// occurrence, in order; never before `start`, never an exception.
QList<QDate> occurrences(const Repeat &repeat, QDate start, QDate from, QDate to);

/// The day of the series' last occurrence; invalid when it never ends. A series ending on a day
/// before any occurrence gives that day.
QDate lastOccurrence(const RepeatRule &rule, QDate start);

} // namespace store
