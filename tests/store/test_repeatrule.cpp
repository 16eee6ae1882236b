// SPDX-License-Identifier: MIT
#include "store/RepeatRule.h"

#include <QTest>
#include <libical/ical.h>

using namespace store;

Q_DECLARE_METATYPE(store::RepeatRule)

namespace {

RepeatRule rule(Frequency frequency, int interval = 1, QList<Qt::DayOfWeek> weekdays = {},
    MonthlyBy monthlyBy = MonthlyBy::DayOfMonth)
{
    RepeatRule made;
    made.frequency = frequency;
    made.interval = interval;
    made.weekdays = weekdays;
    made.monthlyBy = monthlyBy;
    return made;
}

RepeatRule until(RepeatRule made, const char *day)
{
    made.until = QDate::fromString(day, Qt::ISODate);
    return made;
}

RepeatRule times(RepeatRule made, int count)
{
    made.count = count;
    return made;
}

const QList<Qt::DayOfWeek> MoWeFr { Qt::Monday, Qt::Wednesday, Qt::Friday };

QDate day(const QString &text)
{
    return QDate::fromString(text, Qt::ISODate);
}

QList<QDate> days(const QString &texts)
{
    QList<QDate> found;
    for (const QString &text : texts.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        found << day(text);
    return found;
}

QString texts(const QList<QDate> &days)
{
    QStringList found;
    for (QDate day : days)
        found << day.toString(Qt::ISODate);
    return found.join(QLatin1Char(' '));
}

/// The days libical makes of the rule's text, as another program reading our export would.
QString libicalDays(const QString &rrule, QDate start, QDate from, QDate to, const QList<QDate> &exceptions)
{
    const icaltimetype dtstart = icaltime_from_string(start.toString(QStringLiteral("yyyyMMdd")).toLatin1().constData());
    icalrecur_iterator *iterator = icalrecur_iterator_new(icalrecurrencetype_from_string(rrule.toUtf8().constData()), dtstart);
    QList<QDate> found;
    for (icaltimetype next = icalrecur_iterator_next(iterator); !icaltime_is_null_time(next);
         next = icalrecur_iterator_next(iterator)) {
        const QDate day(next.year, next.month, next.day);
        if (day > to)
            break;
        if (day >= from && !exceptions.contains(day))
            found << day;
    }
    icalrecur_iterator_free(iterator);
    return texts(found);
}

} // namespace

class TestRepeatRule : public QObject
{
    Q_OBJECT

private slots:
    void expansion_data()
    {
        // clang-format off
        QTest::addColumn<RepeatRule>("rule");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("exceptions");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("expected");
        QTest::newRow("daily") << rule(Frequency::Daily) << "2026-03-01" << "" << "2026-02-20" << "2026-03-03"
            << "2026-03-01 2026-03-02 2026-03-03";
        QTest::newRow("every 3 days") << rule(Frequency::Daily, 3) << "2026-03-01" << "" << "2026-03-02" << "2026-03-10"
            << "2026-03-04 2026-03-07 2026-03-10";
        QTest::newRow("weekly on the first day's weekday") << rule(Frequency::Weekly) << "2026-03-04" << ""
            << "2026-03-01" << "2026-03-18" << "2026-03-04 2026-03-11 2026-03-18";
        QTest::newRow("weekly on three days, none before the start") << rule(Frequency::Weekly, 1, MoWeFr)
            << "2026-03-04" << "" << "2026-03-01" << "2026-03-11" << "2026-03-04 2026-03-06 2026-03-09 2026-03-11";
        QTest::newRow("every 2 weeks") << rule(Frequency::Weekly, 2, { Qt::Tuesday, Qt::Thursday }) << "2026-03-03"
            << "" << "2026-03-01" << "2026-03-31" << "2026-03-03 2026-03-05 2026-03-17 2026-03-19 2026-03-31";
        QTest::newRow("monthly on day 14, every 2 months") << rule(Frequency::Monthly, 2) << "2026-01-14" << ""
            << "2026-01-01" << "2026-06-30" << "2026-01-14 2026-03-14 2026-05-14";
        QTest::newRow("on the 31st: last day of shorter months") << rule(Frequency::Monthly) << "2026-01-31" << ""
            << "2026-01-01" << "2026-06-30" << "2026-01-31 2026-02-28 2026-03-31 2026-04-30 2026-05-31 2026-06-30";
        QTest::newRow("on the 30th in a leap year") << rule(Frequency::Monthly) << "2028-01-30" << ""
            << "2028-01-01" << "2028-04-30" << "2028-01-30 2028-02-29 2028-03-30 2028-04-30";
        QTest::newRow("on the 29th") << rule(Frequency::Monthly) << "2027-01-29" << "" << "2027-01-01" << "2027-03-31"
            << "2027-01-29 2027-02-28 2027-03-29";
        QTest::newRow("second Tuesday") << rule(Frequency::Monthly, 1, {}, MonthlyBy::NthWeekday) << "2026-01-13" << ""
            << "2026-01-01" << "2026-03-31" << "2026-01-13 2026-02-10 2026-03-10";
        QTest::newRow("fifth Friday: only months that have one") << rule(Frequency::Monthly, 1, {}, MonthlyBy::NthWeekday)
            << "2026-01-30" << "" << "2026-01-01" << "2026-10-31" << "2026-01-30 2026-05-29 2026-07-31 2026-10-30";
        QTest::newRow("last Friday") << rule(Frequency::Monthly, 1, {}, MonthlyBy::LastWeekday) << "2026-01-30" << ""
            << "2026-01-01" << "2026-04-30" << "2026-01-30 2026-02-27 2026-03-27 2026-04-24";
        QTest::newRow("29 February: 28 February in common years") << rule(Frequency::Yearly) << "2024-02-29" << ""
            << "2024-01-01" << "2028-12-31" << "2024-02-29 2025-02-28 2026-02-28 2027-02-28 2028-02-29";
        QTest::newRow("every 2 years") << rule(Frequency::Yearly, 2) << "2026-03-14" << "" << "2026-01-01"
            << "2031-12-31" << "2026-03-14 2028-03-14 2030-03-14";
        QTest::newRow("until a day") << until(rule(Frequency::Weekly, 1, MoWeFr), "2026-03-10") << "2026-03-02" << ""
            << "2026-03-01" << "2026-03-31" << "2026-03-02 2026-03-04 2026-03-06 2026-03-09";
        QTest::newRow("a count") << times(rule(Frequency::Daily, 2), 4) << "2026-03-01" << "" << "2026-03-01"
            << "2026-03-31" << "2026-03-01 2026-03-03 2026-03-05 2026-03-07";
        QTest::newRow("a count, seen from later") << times(rule(Frequency::Weekly, 1, MoWeFr), 6) << "2026-03-02" << ""
            << "2026-03-06" << "2026-03-31" << "2026-03-06 2026-03-09 2026-03-11 2026-03-13";
        QTest::newRow("exceptions left out, not recounted") << times(rule(Frequency::Daily), 4) << "2026-03-01"
            << "2026-03-02,2026-03-04" << "2026-03-01" << "2026-03-31" << "2026-03-01 2026-03-03";
        QTest::newRow("window before the start") << rule(Frequency::Daily) << "2026-03-01" << "" << "2026-02-01"
            << "2026-02-28" << "";
        QTest::newRow("years later, every 3 days") << rule(Frequency::Daily, 3) << "2015-01-01" << "" << "2026-05-30"
            << "2026-06-03" << "2026-05-30 2026-06-02";
        QTest::newRow("years later, every 3 weeks") << rule(Frequency::Weekly, 3, MoWeFr) << "2015-01-05" << ""
            << "2026-01-01" << "2026-01-25" << "2026-01-02 2026-01-19 2026-01-21 2026-01-23";
        QTest::newRow("years later, every 5 months on the 31st") << rule(Frequency::Monthly, 5) << "2015-01-31" << ""
            << "2026-01-01" << "2026-12-31" << "2026-04-30 2026-09-30";
        QTest::newRow("years later, last Friday every 2 months")
            << rule(Frequency::Monthly, 2, {}, MonthlyBy::LastWeekday) << "2015-01-30" << "" << "2026-01-01"
            << "2026-06-30" << "2026-01-30 2026-03-27 2026-05-29";
        // clang-format on
    }
    void expansion()
    {
        QFETCH(RepeatRule, rule);
        QFETCH(QString, start);
        QFETCH(QString, exceptions);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, expected);
        const Repeat repeat { rule, days(QString(exceptions).replace(QLatin1Char(','), QLatin1Char(' '))) };
        QCOMPARE(texts(occurrences(repeat, day(start), day(from), day(to))), expected);
        // Another program reading the exported rule finds the same days.
        QCOMPARE(libicalDays(toRRule(rule, day(start)), day(start), day(from), day(to), repeat.exceptions), expected);
    }

    void lastOccurrence_data()
    {
        QTest::addColumn<RepeatRule>("rule");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("last"); // empty: never ends
        QTest::newRow("endless") << rule(Frequency::Weekly) << "2026-03-02" << "";
        QTest::newRow("count of days") << times(rule(Frequency::Daily, 2), 4) << "2026-03-01" << "2026-03-07";
        QTest::newRow("count within the first week") << times(rule(Frequency::Weekly, 2, MoWeFr), 2) << "2026-03-04"
                                                     << "2026-03-06";
        QTest::newRow("count across weeks") << times(rule(Frequency::Weekly, 2, MoWeFr), 5) << "2026-03-04"
                                            << "2026-03-20";
        QTest::newRow("count skips missing fifth Fridays")
            << times(rule(Frequency::Monthly, 1, {}, MonthlyBy::NthWeekday), 3) << "2026-01-30" << "2026-07-31";
        QTest::newRow("until between occurrences") << until(rule(Frequency::Monthly), "2026-05-30") << "2026-01-31"
                                                   << "2026-04-30";
        QTest::newRow("until on an occurrence") << until(rule(Frequency::Yearly), "2027-02-28") << "2024-02-29"
                                                << "2027-02-28";
    }
    void lastOccurrence()
    {
        QFETCH(RepeatRule, rule);
        QFETCH(QString, start);
        QFETCH(QString, last);
        QCOMPARE(store::lastOccurrence(rule, day(start)).toString(Qt::ISODate), last);
    }

    void roundTrip_data()
    {
        // clang-format off
        QTest::addColumn<RepeatRule>("rule");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("rrule");
        QTest::newRow("daily") << rule(Frequency::Daily) << "2026-03-01" << "FREQ=DAILY";
        QTest::newRow("every 2 days, 6 times") << times(rule(Frequency::Daily, 2), 6) << "2026-03-01"
            << "FREQ=DAILY;INTERVAL=2;COUNT=6";
        QTest::newRow("weekly") << rule(Frequency::Weekly) << "2026-03-04" << "FREQ=WEEKLY";
        QTest::newRow("weekly on days, until") << until(rule(Frequency::Weekly, 2, MoWeFr), "2027-03-31")
            << "2026-03-04" << "FREQ=WEEKLY;INTERVAL=2;BYDAY=MO,WE,FR;UNTIL=20270331";
        QTest::newRow("monthly on day 14") << rule(Frequency::Monthly) << "2026-01-14" << "FREQ=MONTHLY;BYMONTHDAY=14";
        QTest::newRow("monthly on day 29") << rule(Frequency::Monthly) << "2026-01-29"
            << "FREQ=MONTHLY;BYMONTHDAY=28,29;BYSETPOS=-1";
        QTest::newRow("monthly on day 30") << rule(Frequency::Monthly, 3) << "2026-01-30"
            << "FREQ=MONTHLY;INTERVAL=3;BYMONTHDAY=28,29,30;BYSETPOS=-1";
        QTest::newRow("monthly on day 31") << rule(Frequency::Monthly) << "2026-01-31" << "FREQ=MONTHLY;BYMONTHDAY=-1";
        QTest::newRow("second Tuesday") << rule(Frequency::Monthly, 1, {}, MonthlyBy::NthWeekday) << "2026-01-13"
            << "FREQ=MONTHLY;BYDAY=2TU";
        QTest::newRow("last Friday") << rule(Frequency::Monthly, 1, {}, MonthlyBy::LastWeekday) << "2026-01-30"
            << "FREQ=MONTHLY;BYDAY=-1FR";
        QTest::newRow("yearly") << rule(Frequency::Yearly) << "2026-03-14" << "FREQ=YEARLY";
        QTest::newRow("yearly on 29 February") << times(rule(Frequency::Yearly), 3) << "2024-02-29"
            << "FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=28,29;BYSETPOS=-1;COUNT=3";
        // clang-format on
    }
    void roundTrip()
    {
        QFETCH(RepeatRule, rule);
        QFETCH(QString, start);
        QFETCH(QString, rrule);
        QCOMPARE(toRRule(rule, day(start)), rrule);
        QString why;
        const auto back = fromRRule(rrule, day(start), &why);
        QVERIFY2(back.has_value(), qPrintable(why));
        QCOMPARE(*back, rule);
    }

    void otherProgramsForms_data()
    {
        // clang-format off
        QTest::addColumn<QString>("rrule");
        QTest::addColumn<QString>("start");
        QTest::addColumn<RepeatRule>("rule");
        QTest::newRow("property name, days out of order") << "RRULE:FREQ=WEEKLY;BYDAY=FR,MO,WE" << "2026-03-04"
            << rule(Frequency::Weekly, 1, MoWeFr);
        QTest::newRow("until a moment") << "FREQ=DAILY;UNTIL=20260310T225959Z" << "2026-03-01"
            << until(rule(Frequency::Daily), "2026-03-10");
        QTest::newRow("plain monthly") << "FREQ=MONTHLY" << "2026-01-14" << rule(Frequency::Monthly);
        QTest::newRow("n-th weekday by position") << "FREQ=MONTHLY;BYDAY=TU;BYSETPOS=2" << "2026-01-13"
            << rule(Frequency::Monthly, 1, {}, MonthlyBy::NthWeekday);
        QTest::newRow("yearly by month and day") << "FREQ=YEARLY;BYMONTH=3;BYMONTHDAY=14" << "2026-03-14"
            << rule(Frequency::Yearly);
        QTest::newRow("last day of February") << "FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1" << "2024-02-29"
            << rule(Frequency::Yearly);
        // clang-format on
    }
    void otherProgramsForms()
    {
        QFETCH(QString, rrule);
        QFETCH(QString, start);
        QFETCH(RepeatRule, rule);
        QString why;
        const auto read = fromRRule(rrule, day(start), &why);
        QVERIFY2(read.has_value(), qPrintable(why));
        QCOMPARE(*read, rule);
    }

    void refused_data()
    {
        QTest::addColumn<QString>("rrule");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("why");
        QTest::newRow("hourly") << "FREQ=HOURLY;INTERVAL=2" << "2026-03-01" << "hourly repeats";
        QTest::newRow("not a rule") << "every day" << "2026-03-01" << "unreadable rule";
        QTest::newRow("times of day") << "FREQ=DAILY;BYHOUR=9,17" << "2026-03-01" << "times of day";
        QTest::newRow("weekdays of a daily rule") << "FREQ=DAILY;BYDAY=MO" << "2026-03-02"
                                                  << "a daily rule limited to some days";
        QTest::newRow("31st skipped in short months")
            << "FREQ=MONTHLY;BYMONTHDAY=31" << "2026-01-31" << "months without day 31 skipped";
        QTest::newRow("another month day") << "FREQ=MONTHLY;BYMONTHDAY=1,15" << "2026-01-15"
                                           << "BYMONTHDAY other than the first day's";
        QTest::newRow("another week of the month") << "FREQ=MONTHLY;BYDAY=3TU" << "2026-01-13"
                                                   << "a week of the month other than the first day's";
        QTest::newRow("several weekdays a month") << "FREQ=MONTHLY;BYDAY=1MO,1TU" << "2026-01-05"
                                                  << "several weekdays a month";
        QTest::newRow("29 February skipped") << "FREQ=YEARLY" << "2024-02-29" << "common years skipped";
        QTest::newRow("another month") << "FREQ=YEARLY;BYMONTH=3,9" << "2026-03-14"
                                       << "a month other than the first day's";
        QTest::newRow("weeks from Sunday") << "FREQ=WEEKLY;INTERVAL=2;BYDAY=SU,MO;WKST=SU" << "2026-03-01"
                                           << "weeks that start on another day than Monday";
        QTest::newRow("week numbers") << "FREQ=YEARLY;BYWEEKNO=20" << "2026-05-11" << "BYWEEKNO";
    }
    void refused()
    {
        QFETCH(QString, rrule);
        QFETCH(QString, start);
        QFETCH(QString, why);
        QString said;
        QVERIFY(!fromRRule(rrule, day(start), &said));
        QCOMPARE(said, why);
    }

    void inWords_data()
    {
        // clang-format off
        QTest::addColumn<RepeatRule>("rule");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("words");
        QTest::newRow("daily") << rule(Frequency::Daily) << "2026-03-01" << "every day";
        QTest::newRow("every 2 days, 6 times") << times(rule(Frequency::Daily, 2), 6) << "2026-03-01"
            << "every 2 days, 6 times";
        QTest::newRow("once") << times(rule(Frequency::Daily), 1) << "2026-03-01" << "every day, once";
        QTest::newRow("weekly") << rule(Frequency::Weekly) << "2026-03-02" << "every Monday";
        QTest::newRow("three days, until") << until(rule(Frequency::Weekly, 1, MoWeFr), "2027-03-31") << "2026-03-02"
            << "every Monday, Wednesday and Friday until 3/31/2027";
        QTest::newRow("every 2 weeks") << rule(Frequency::Weekly, 2, { Qt::Tuesday, Qt::Thursday }) << "2026-03-03"
            << "every 2 weeks on Tuesday and Thursday";
        QTest::newRow("day of the month") << rule(Frequency::Monthly) << "2026-01-31" << "every month on day 31";
        QTest::newRow("second Tuesday") << rule(Frequency::Monthly, 1, {}, MonthlyBy::NthWeekday) << "2026-01-13"
            << "every month on the second Tuesday";
        QTest::newRow("last Friday every 3 months") << rule(Frequency::Monthly, 3, {}, MonthlyBy::LastWeekday)
            << "2026-01-30" << "every 3 months on the last Friday";
        QTest::newRow("yearly") << rule(Frequency::Yearly) << "2024-02-29" << "every year on 29 February";
        QTest::newRow("every 2 years, 5 times") << times(rule(Frequency::Yearly, 2), 5) << "2026-03-14"
            << "every 2 years on 14 March, 5 times";
        // clang-format on
    }
    void inWords()
    {
        QFETCH(RepeatRule, rule);
        QFETCH(QString, start);
        QFETCH(QString, words);
        QCOMPARE(store::inWords(rule, day(start)), words);
    }
};

QTEST_GUILESS_MAIN(TestRepeatRule)
#include "test_repeatrule.moc"
