// SPDX-License-Identifier: MIT
#include "store/RepeatRule.h"

#include "store/DateTimeText.h"

#include <QLocale>
#include <algorithm>
#include <libical/ical.h>

namespace store {
namespace {

// The expansion works on periods: the rule's interval of days, weeks (Monday to Sunday), months
// or years, counted from the one holding the start. Each period holds the same few occurrences,
// so a window years after the start is reached in one step. It expands exactly as libical does
// the rule's RRULE text, at a small part of the cost.

QDate weekStart(QDate day)
{
    return day.addDays(1 - day.dayOfWeek());
}

int monthsBetween(QDate from, QDate to)
{
    return (to.year() - from.year()) * 12 + to.month() - from.month();
}

/// The day of the month, or the month's last day when it is shorter.
QDate dayInMonth(int year, int month, int day)
{
    return QDate(year, month, std::min(day, QDate(year, month, 1).daysInMonth()));
}

int nthOfMonth(QDate day)
{
    return (day.day() - 1) / 7 + 1;
}

bool isLastOfMonth(QDate day)
{
    return day.day() + 7 > day.daysInMonth();
}

class Expansion
{
public:
    Expansion(const RepeatRule &rule, QDate start) : m_rule(rule), m_start(start)
    {
        m_weekdays = rule.weekdays.isEmpty() ? QList { Qt::DayOfWeek(start.dayOfWeek()) } : rule.weekdays;
        std::sort(m_weekdays.begin(), m_weekdays.end());
        m_weekdays.erase(std::unique(m_weekdays.begin(), m_weekdays.end()), m_weekdays.end());
    }

    /// The period holding `day`, or the last one before it; `day` is on or after the start.
    qint64 periodOf(QDate day) const
    {
        qint64 units = 0;
        switch (m_rule.frequency) {
        case Frequency::Daily: units = m_start.daysTo(day); break;
        case Frequency::Weekly: units = weekStart(m_start).daysTo(weekStart(day)) / 7; break;
        case Frequency::Monthly: units = monthsBetween(m_start, day); break;
        case Frequency::Yearly: units = day.year() - m_start.year(); break;
        }
        return units / interval();
    }

    /// Calls `visit` with the period's occurrences in order (those before the start too) while it
    /// returns true; returns whether it always did.
    template <typename Visit> bool visitPeriod(qint64 period, Visit visit) const
    {
        const qint64 units = period * interval();
        switch (m_rule.frequency) {
        case Frequency::Daily:
            return visit(m_start.addDays(units));
        case Frequency::Weekly: {
            const QDate monday = weekStart(m_start).addDays(7 * units);
            for (Qt::DayOfWeek weekday : m_weekdays)
                if (!visit(monday.addDays(weekday - 1)))
                    return false;
            return true;
        }
        case Frequency::Monthly: {
            const QDate first = QDate(m_start.year(), m_start.month(), 1).addMonths(int(units));
            const QDate day = monthly(first);
            return !day.isValid() || visit(day);
        }
        case Frequency::Yearly:
            return visit(dayInMonth(m_start.year() + int(units), m_start.month(), m_start.day()));
        }
        return true;
    }

    /// Calls `visit` with each occurrence from the period holding `from` on, in order, while it
    /// returns true and occurrences remain.
    template <typename Visit> void visitFrom(QDate from, Visit visit) const
    {
        // A fifth weekday can be missing from years of periods, never from this many.
        constexpr int MostEmptyPeriods = 500;
        int empty = 0;
        for (qint64 period = from > m_start ? periodOf(from) : 0; empty < MostEmptyPeriods; ++period) {
            bool any = false;
            const bool more = visitPeriod(period, [&](QDate day) {
                if (day < m_start)
                    return true;
                any = true;
                return visit(day);
            });
            if (!more || !isRepresentable(period + 1))
                return;
            empty = any ? 0 : empty + 1;
        }
    }

    /// The last occurrence on or before `day`; invalid when there is none.
    QDate lastUpTo(QDate day) const
    {
        if (day < m_start)
            return {};
        for (qint64 period = periodOf(day), empty = 0; period >= 0 && empty < 500; --period, ++empty) {
            QDate last;
            visitPeriod(period, [&](QDate occurrence) {
                if (occurrence >= m_start && occurrence <= day)
                    last = occurrence;
                return occurrence <= day;
            });
            if (last.isValid())
                return last;
        }
        return {};
    }

    /// How many occurrences each period after the first holds; 0 when that differs.
    int perPeriod() const
    {
        if (m_rule.frequency == Frequency::Weekly)
            return int(m_weekdays.size());
        const bool fifthWeekday = m_rule.frequency == Frequency::Monthly
            && m_rule.monthlyBy == MonthlyBy::NthWeekday && nthOfMonth(m_start) == 5;
        return fifthWeekday ? 0 : 1;
    }

private:
    int interval() const { return std::max(1, m_rule.interval); }

    bool isRepresentable(qint64 period) const { return period * interval() < 10000 * 366; }

    QDate monthly(QDate first) const
    {
        const int weekday = m_start.dayOfWeek();
        switch (m_rule.monthlyBy) {
        case MonthlyBy::DayOfMonth:
            return dayInMonth(first.year(), first.month(), m_start.day());
        case MonthlyBy::NthWeekday: {
            const QDate day = first.addDays((weekday - first.dayOfWeek() + 7) % 7 + 7 * (nthOfMonth(m_start) - 1));
            return day.month() == first.month() ? day : QDate();
        }
        case MonthlyBy::LastWeekday: {
            const QDate last(first.year(), first.month(), first.daysInMonth());
            return last.addDays(-((last.dayOfWeek() - weekday + 7) % 7));
        }
        }
        return {};
    }

    const RepeatRule &m_rule;
    QDate m_start;
    QList<Qt::DayOfWeek> m_weekdays;
};

QDate countedEnd(const RepeatRule &rule, QDate start)
{
    const Expansion expansion(rule, start);
    QList<QDate> first;
    expansion.visitPeriod(0, [&](QDate day) {
        if (day >= start)
            first << day;
        return true;
    });
    if (rule.count <= first.size())
        return first.at(rule.count - 1);
    QDate last;
    if (const int each = expansion.perPeriod()) {
        const int left = rule.count - int(first.size()) - 1;
        int skip = left % each;
        expansion.visitPeriod(1 + left / each, [&](QDate day) {
            last = day;
            return skip-- > 0;
        });
        return last;
    }
    int left = rule.count;
    expansion.visitFrom(start, [&](QDate day) {
        last = day;
        return --left > 0;
    });
    return last;
}

// RRULE's names of the weekdays, Monday first.
const char *const WeekdayCodes[] = { "MO", "TU", "WE", "TH", "FR", "SA", "SU" };

QString weekdayCode(int weekday)
{
    return QLatin1String(WeekdayCodes[weekday - 1]);
}

/// libical numbers the weekdays from Sunday.
Qt::DayOfWeek weekdayOfIcal(int icalWeekday)
{
    return Qt::DayOfWeek((icalWeekday + 5) % 7 + 1);
}

QList<int> valuesOf(const short *values, int size)
{
    QList<int> found;
    for (int i = 0; i < size && values[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i)
        found << values[i];
    return found;
}

/// Parses the rule's text into the rule, or says why not.
class RRuleReader
{
public:
    RRuleReader(const icalrecurrencetype &recurrence, QDate start) : m_r(recurrence), m_start(start) { }

    std::optional<RepeatRule> read()
    {
        switch (m_r.freq) {
        case ICAL_SECONDLY_RECURRENCE: return refuse(QStringLiteral("repeats by the second"));
        case ICAL_MINUTELY_RECURRENCE: return refuse(QStringLiteral("repeats by the minute"));
        case ICAL_HOURLY_RECURRENCE: return refuse(QStringLiteral("hourly repeats"));
        case ICAL_DAILY_RECURRENCE: m_rule.frequency = Frequency::Daily; break;
        case ICAL_WEEKLY_RECURRENCE: m_rule.frequency = Frequency::Weekly; break;
        case ICAL_MONTHLY_RECURRENCE: m_rule.frequency = Frequency::Monthly; break;
        case ICAL_YEARLY_RECURRENCE: m_rule.frequency = Frequency::Yearly; break;
        default: return refuse(QStringLiteral("unreadable rule"));
        }
        if (m_r.rscale)
            return refuse(QStringLiteral("RSCALE"));
        if (has(m_r.by_second, ICAL_BY_SECOND_SIZE) || has(m_r.by_minute, ICAL_BY_MINUTE_SIZE)
            || has(m_r.by_hour, ICAL_BY_HOUR_SIZE))
            return refuse(QStringLiteral("times of day"));
        if (has(m_r.by_year_day, ICAL_BY_YEARDAY_SIZE))
            return refuse(QStringLiteral("BYYEARDAY"));
        if (has(m_r.by_week_no, ICAL_BY_WEEKNO_SIZE))
            return refuse(QStringLiteral("BYWEEKNO"));
        m_rule.interval = std::max<int>(1, m_r.interval);
        m_rule.count = std::max(0, m_r.count);
        if (!icaltime_is_null_time(m_r.until))
            m_rule.until = QDate(m_r.until.year, m_r.until.month, m_r.until.day);

        m_days = valuesOf(m_r.by_day, ICAL_BY_DAY_SIZE);
        m_monthDays = valuesOf(m_r.by_month_day, ICAL_BY_MONTHDAY_SIZE);
        m_months = valuesOf(m_r.by_month, ICAL_BY_MONTH_SIZE);
        m_setPos = valuesOf(m_r.by_set_pos, ICAL_BY_SETPOS_SIZE);
        switch (m_rule.frequency) {
        case Frequency::Daily: return daily();
        case Frequency::Weekly: return weekly();
        case Frequency::Monthly: return monthly();
        case Frequency::Yearly: return yearly();
        }
        return std::nullopt;
    }

    QString why;

private:
    static bool has(const short *values, int size) { return size > 0 && values[0] != ICAL_RECURRENCE_ARRAY_MAX; }

    std::optional<RepeatRule> refuse(const QString &reason)
    {
        why = reason;
        return std::nullopt;
    }

    std::optional<RepeatRule> daily()
    {
        if (!m_days.isEmpty() || !m_monthDays.isEmpty() || !m_months.isEmpty() || !m_setPos.isEmpty())
            return refuse(QStringLiteral("a daily rule limited to some days"));
        return m_rule;
    }

    std::optional<RepeatRule> weekly()
    {
        if (!m_monthDays.isEmpty() || !m_months.isEmpty() || !m_setPos.isEmpty())
            return refuse(QStringLiteral("a weekly rule limited to some months or days"));
        if (m_rule.interval > 1 && m_r.week_start != ICAL_MONDAY_WEEKDAY)
            return refuse(QStringLiteral("weeks that start on another day than Monday"));
        for (int day : m_days) {
            if (icalrecurrencetype_day_position(short(day)) != 0)
                return refuse(QStringLiteral("BYDAY with positions on a weekly rule"));
            const Qt::DayOfWeek weekday = weekdayOfIcal(icalrecurrencetype_day_day_of_week(short(day)));
            if (!m_rule.weekdays.contains(weekday))
                m_rule.weekdays << weekday;
        }
        std::sort(m_rule.weekdays.begin(), m_rule.weekdays.end());
        return m_rule;
    }

    std::optional<RepeatRule> monthly()
    {
        if (!m_months.isEmpty())
            return refuse(QStringLiteral("a monthly rule limited to some months"));
        return m_days.isEmpty() ? monthlyByDay() : monthlyByWeekday();
    }

    std::optional<RepeatRule> monthlyByDay()
    {
        const int day = m_start.day();
        QList<int> lastDays; // 28 up to the start's day, the last of which a month has
        for (int d = 28; d <= day; ++d)
            lastDays << d;
        const bool plain = m_setPos.isEmpty() && (m_monthDays.isEmpty() || m_monthDays == QList { day });
        const bool lastDay = m_setPos.isEmpty() && m_monthDays == QList { -1 } && day == 31;
        const bool lastExisting = day > 28 && m_setPos == QList { -1 } && m_monthDays == lastDays;
        if (plain && day > 28)
            return refuse(QStringLiteral("months without day %1 skipped").arg(day));
        if (!plain && !lastDay && !lastExisting)
            return refuse(QStringLiteral("BYMONTHDAY other than the first day's"));
        m_rule.monthlyBy = MonthlyBy::DayOfMonth;
        return m_rule;
    }

    std::optional<RepeatRule> monthlyByWeekday()
    {
        if (!m_monthDays.isEmpty())
            return refuse(QStringLiteral("BYMONTHDAY with BYDAY"));
        if (m_days.size() > 1)
            return refuse(QStringLiteral("several weekdays a month"));
        const short day = short(m_days.first());
        int position = icalrecurrencetype_day_position(day);
        if (!m_setPos.isEmpty()) {
            if (position != 0 || m_setPos.size() > 1)
                return refuse(QStringLiteral("BYSETPOS"));
            position = m_setPos.first();
        }
        if (weekdayOfIcal(icalrecurrencetype_day_day_of_week(day)) != m_start.dayOfWeek())
            return refuse(QStringLiteral("a weekday other than the first day's"));
        if (position == -1 && isLastOfMonth(m_start))
            m_rule.monthlyBy = MonthlyBy::LastWeekday;
        else if (position == nthOfMonth(m_start))
            m_rule.monthlyBy = MonthlyBy::NthWeekday;
        else
            return refuse(QStringLiteral("a week of the month other than the first day's"));
        return m_rule;
    }

    std::optional<RepeatRule> yearly()
    {
        if (!m_days.isEmpty())
            return refuse(QStringLiteral("BYDAY on a yearly rule"));
        if (!m_months.isEmpty() && m_months != QList { m_start.month() })
            return refuse(QStringLiteral("a month other than the first day's"));
        const bool leapDay = m_start.month() == 2 && m_start.day() == 29;
        const bool plain = m_setPos.isEmpty() && (m_monthDays.isEmpty() || m_monthDays == QList { m_start.day() });
        if (plain && leapDay)
            return refuse(QStringLiteral("common years skipped"));
        const bool endOfFebruary = leapDay && m_months == QList { 2 }
            && ((m_monthDays == QList { 28, 29 } && m_setPos == QList { -1 })
                || (m_monthDays == QList { -1 } && m_setPos.isEmpty()));
        if (!plain && !endOfFebruary)
            return refuse(QStringLiteral("days other than the first day's"));
        return m_rule;
    }

    const icalrecurrencetype &m_r;
    QDate m_start;
    RepeatRule m_rule;
    QList<int> m_days, m_monthDays, m_months, m_setPos;
};

QString weekdayName(int weekday)
{
    return QLocale::c().dayName(weekday, QLocale::LongFormat);
}

QString listed(const QStringList &names)
{
    if (names.size() < 2)
        return names.join(QString());
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") + names.last();
}

QString every(int interval, const QString &unit)
{
    return interval > 1 ? QStringLiteral("every %1 %2s").arg(interval).arg(unit) : QStringLiteral("every ") + unit;
}

} // namespace

QString toRRule(const RepeatRule &rule, QDate start)
{
    static const QString Frequencies[] = { QStringLiteral("DAILY"), QStringLiteral("WEEKLY"),
        QStringLiteral("MONTHLY"), QStringLiteral("YEARLY") };
    QStringList parts { QStringLiteral("FREQ=") + Frequencies[int(rule.frequency)] };
    if (rule.interval > 1)
        parts << QStringLiteral("INTERVAL=%1").arg(rule.interval);
    const int day = start.day();
    switch (rule.frequency) {
    case Frequency::Daily: break;
    case Frequency::Weekly:
        if (!rule.weekdays.isEmpty()) {
            QStringList codes;
            for (Qt::DayOfWeek weekday : rule.weekdays)
                codes << weekdayCode(weekday);
            parts << QStringLiteral("BYDAY=") + codes.join(QLatin1Char(','));
        }
        break;
    case Frequency::Monthly:
        switch (rule.monthlyBy) {
        case MonthlyBy::DayOfMonth:
            if (day <= 28)
                parts << QStringLiteral("BYMONTHDAY=%1").arg(day);
            else if (day == 31)
                parts << QStringLiteral("BYMONTHDAY=-1");
            else
                parts << (day == 29 ? QStringLiteral("BYMONTHDAY=28,29") : QStringLiteral("BYMONTHDAY=28,29,30"))
                      << QStringLiteral("BYSETPOS=-1");
            break;
        case MonthlyBy::NthWeekday:
            parts << QStringLiteral("BYDAY=%1%2").arg(nthOfMonth(start)).arg(weekdayCode(start.dayOfWeek()));
            break;
        case MonthlyBy::LastWeekday:
            parts << QStringLiteral("BYDAY=-1") + weekdayCode(start.dayOfWeek());
            break;
        }
        break;
    case Frequency::Yearly:
        if (start.month() == 2 && day == 29)
            parts << QStringLiteral("BYMONTH=2;BYMONTHDAY=28,29;BYSETPOS=-1");
        break;
    }
    if (rule.until.isValid())
        parts << QStringLiteral("UNTIL=") + rule.until.toString(QStringLiteral("yyyyMMdd"));
    else if (rule.count > 0)
        parts << QStringLiteral("COUNT=%1").arg(rule.count);
    return parts.join(QLatin1Char(';'));
}

std::optional<RepeatRule> fromRRule(const QString &rrule, QDate start, QString *why)
{
    QString text = rrule.trimmed();
    if (text.startsWith(QStringLiteral("RRULE:"), Qt::CaseInsensitive))
        text = text.mid(6);
    icalerror_clear_errno();
    icalrecurrencetype recurrence = icalrecurrencetype_from_string(text.toUtf8().constData());
    RRuleReader reader(recurrence, start);
    std::optional<RepeatRule> rule = start.isValid() ? reader.read() : std::nullopt;
    if (!start.isValid())
        reader.why = QStringLiteral("no first day");
    free(recurrence.rscale);
    if (why)
        *why = reader.why;
    return rule;
}

QString inWords(const RepeatRule &rule, QDate start)
{
    static const QString Ordinals[] = { QStringLiteral("first"), QStringLiteral("second"), QStringLiteral("third"),
        QStringLiteral("fourth"), QStringLiteral("fifth") };
    QString words;
    switch (rule.frequency) {
    case Frequency::Daily: words = every(rule.interval, QStringLiteral("day")); break;
    case Frequency::Weekly: {
        QStringList days;
        for (Qt::DayOfWeek weekday : rule.weekdays.isEmpty() ? QList { Qt::DayOfWeek(start.dayOfWeek()) }
                                                             : rule.weekdays)
            days << weekdayName(weekday);
        words = rule.interval > 1 ? every(rule.interval, QStringLiteral("week")) + QStringLiteral(" on ") + listed(days)
                                  : QStringLiteral("every ") + listed(days);
        break;
    }
    case Frequency::Monthly:
        words = every(rule.interval, QStringLiteral("month"));
        switch (rule.monthlyBy) {
        case MonthlyBy::DayOfMonth: words += QStringLiteral(" on day %1").arg(start.day()); break;
        case MonthlyBy::NthWeekday:
            words += QStringLiteral(" on the %1 %2").arg(Ordinals[nthOfMonth(start) - 1], weekdayName(start.dayOfWeek()));
            break;
        case MonthlyBy::LastWeekday: words += QStringLiteral(" on the last ") + weekdayName(start.dayOfWeek()); break;
        }
        break;
    case Frequency::Yearly:
        words = every(rule.interval, QStringLiteral("year"))
            + QStringLiteral(" on %1 %2").arg(start.day()).arg(QLocale::c().monthName(start.month()));
        break;
    }
    if (rule.until.isValid())
        words += QStringLiteral(" until ") + dateText(rule.until);
    else if (rule.count == 1)
        words += QStringLiteral(", once");
    else if (rule.count > 1)
        words += QStringLiteral(", %1 times").arg(rule.count);
    return words;
}

QList<QDate> occurrences(const Repeat &repeat, QDate start, QDate from, QDate to)
{
    QList<QDate> days;
    if (!start.isValid() || !from.isValid() || !to.isValid())
        return days;
    const QDate last = lastOccurrence(repeat.rule, start);
    if (last.isValid() && last < to)
        to = last;
    from = std::max(from, start);
    if (from > to)
        return days;
    Expansion(repeat.rule, start).visitFrom(from, [&](QDate day) {
        if (day > to)
            return false;
        if (day >= from && !repeat.exceptions.contains(day))
            days << day;
        return true;
    });
    return days;
}

QDate lastOccurrence(const RepeatRule &rule, QDate start)
{
    if (!start.isValid())
        return {};
    if (rule.until.isValid()) {
        const QDate last = Expansion(rule, start).lastUpTo(rule.until);
        return last.isValid() ? last : rule.until;
    }
    if (rule.count > 0)
        return countedEnd(rule, start);
    return {};
}

} // namespace store
