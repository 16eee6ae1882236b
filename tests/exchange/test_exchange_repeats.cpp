// SPDX-License-Identifier: MIT
// Repeating tasks and schedules through iCalendar: the lines export writes, the rules import
// keeps or counts, and a round trip that changes nothing until the file changes.
#include "ExchangeRows.h"
#include "exchange/Exchange.h"
#include "store/Repeats.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using store::Table;
using exchangerows::calendar;

namespace {

/// The file's lines, folds joined.
QByteArrayList linesOf(const QString &file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    return in.readAll().replace("\r\n ", "").replace("\r\n", "\n").split('\n');
}

/// A weekly Monday-Wednesday-Friday schedule of six from Monday 7 December 2026, 10 to 11.
qint64 addWeeklySchedule(store::Database &db, bool allDay = false)
{
    const QString at = allDay ? QString("1/3/1900") : QString("10:00:00");
    return db.insert(Table::Schedule, { { 0, 1 }, { 1, "Standup" }, { 3, "12/7/2026" }, { 4, at }, { 5, "12/7/2026" },
                                          { 6, allDay ? at : QString("11:00:00") }, { 7, "Not Started" }, { 9, "Business" } });
}

store::RepeatRule ruleOf(const QString &rrule, QDate start)
{
    const auto rule = store::fromRRule(rrule, start);
    if (!rule)
        qWarning("the test's rule %s is refused", qPrintable(rrule));
    return rule.value_or(store::RepeatRule{});
}

} // namespace

class TestExchangeRepeats : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    exchangerows::ZoneForTest m_utc{"UTC"};
    QString path(const QString &name) const { return m_dir.filePath(name); }

    std::unique_ptr<store::Database> fresh(const QString &name)
    {
        QFile::remove(path(name));
        return std::make_unique<store::Database>(path(name));
    }

    void write(const QString &name, const QByteArray &data)
    {
        QFile out(path(name));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(data);
    }

private slots:
    void exportWritesRulesInTheFormOfTheStart_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<bool>("allDay");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QByteArrayList>("wanted");
        const QByteArray berlin = "Europe/Berlin";
        QTest::newRow("weekly, floating") << QByteArray("UTC") << false << "FREQ=WEEKLY;COUNT=6;BYDAY=MO,WE,FR"
            << QByteArrayList{ "DTSTART:20261207T100000", "RRULE:FREQ=WEEKLY;COUNT=6;BYDAY=MO,WE,FR",
                               "EXDATE:20261209T100000", "RECURRENCE-ID:20261211T100000" };
        QTest::newRow("weekly, zoned") << berlin << false << "FREQ=WEEKLY;COUNT=6;BYDAY=MO,WE,FR"
            << QByteArrayList{ "DTSTART;TZID=Europe/Berlin:20261207T100000", "EXDATE;TZID=Europe/Berlin:20261209T100000",
                               "RECURRENCE-ID;TZID=Europe/Berlin:20261211T100000" };
        QTest::newRow("until, floating") << QByteArray("UTC") << false << "FREQ=DAILY;UNTIL=20261231"
            << QByteArrayList{ "RRULE:FREQ=DAILY;UNTIL=20261231T235959" };
        QTest::newRow("until, zoned") << berlin << false << "FREQ=DAILY;UNTIL=20261231"
            << QByteArrayList{ "RRULE:FREQ=DAILY;UNTIL=20261231T225959Z" };
        QTest::newRow("until, whole days") << berlin << true << "FREQ=DAILY;INTERVAL=2;UNTIL=20261231"
            << QByteArrayList{ "DTSTART;VALUE=DATE:20261207", "RRULE:FREQ=DAILY;UNTIL=20261231;INTERVAL=2",
                               "EXDATE;VALUE=DATE:20261209", "RECURRENCE-ID;VALUE=DATE:20261211" };
    }

    void exportWritesRulesInTheFormOfTheStart()
    {
        QFETCH(QByteArray, zone);
        QFETCH(bool, allDay);
        QFETCH(QString, rule);
        QFETCH(QByteArrayList, wanted);
        const exchangerows::ZoneForTest local(zone);
        auto db = fresh("lines.db");
        const qint64 series = addWeeklySchedule(*db, allDay);
        const QDate start(2026, 12, 7);
        store::setRepeat(*db, Table::Schedule, series, start, store::Repeat{ ruleOf(rule, start), { QDate(2026, 12, 9) } });
        // The occurrence of Friday 11 December moved to noon.
        const qint64 moved = db->insert(Table::Schedule, { { 0, 2 }, { 1, "Standup, later" }, { 3, "12/11/2026" },
            { 4, allDay ? "1/3/1900" : "12:00:00" }, { 5, "12/11/2026" }, { 6, allDay ? "1/3/1900" : "13:00:00" } });
        store::linkOccurrence(*db, Table::Schedule, moved, { series, QDate(2026, 12, 11) });
        store::addException(*db, Table::Schedule, series, QDate(2026, 12, 11));

        QVERIFY(exchange::exportCalendar(*db, path("lines.ics")).succeeded());
        const QByteArrayList lines = linesOf(path("lines.ics"));
        for (const QByteArray &line : wanted)
            QVERIFY2(lines.contains(line), line + "\n" + lines.join('\n'));
        // The moved occurrence goes by its series' UID.
        const QString uid = store::identities(*db, Table::Schedule).value(series).uid;
        QCOMPARE(lines.count("UID:" + uid.toUtf8()), 2);
    }

    void importKeepsWhatTheRulesCanSay_data()
    {
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QString>("kept"); ///< the rule kept, for a start on the day of `start`
        QTest::addColumn<QStringList>("exceptions");
        QTest::addColumn<QString>("dropped"); ///< what the report says was not kept
        const QByteArray monday = "DTSTART:20261207T100000";
        QTest::newRow("daily") << monday << QByteArray("RRULE:FREQ=DAILY") << "FREQ=DAILY" << QStringList() << "";
        QTest::newRow("weekly on three days, six times") << monday << QByteArray("RRULE:FREQ=WEEKLY;BYDAY=MO,WE,FR;COUNT=6")
            << "FREQ=WEEKLY;BYDAY=MO,WE,FR;COUNT=6" << QStringList() << "";
        QTest::newRow("every second week") << monday << QByteArray("RRULE:FREQ=WEEKLY;INTERVAL=2")
            << "FREQ=WEEKLY;INTERVAL=2" << QStringList() << "";
        QTest::newRow("monthly by day") << monday << QByteArray("RRULE:FREQ=MONTHLY;BYMONTHDAY=7")
            << "FREQ=MONTHLY" << QStringList() << "";
        QTest::newRow("second Monday") << QByteArray("DTSTART:20261214T100000") << QByteArray("RRULE:FREQ=MONTHLY;BYDAY=2MO")
            << "FREQ=MONTHLY;BYDAY=2MO" << QStringList() << "";
        QTest::newRow("last Friday") << QByteArray("DTSTART;VALUE=DATE:20261225") << QByteArray("RRULE:FREQ=MONTHLY;BYDAY=-1FR")
            << "FREQ=MONTHLY;BYDAY=-1FR" << QStringList() << "";
        QTest::newRow("yearly") << monday << QByteArray("RRULE:FREQ=YEARLY;INTERVAL=2") << "FREQ=YEARLY;INTERVAL=2"
            << QStringList() << "";
        QTest::newRow("until a floating time") << monday << QByteArray("RRULE:FREQ=DAILY;UNTIL=20261231T235959")
            << "FREQ=DAILY;UNTIL=20261231" << QStringList() << "";
        QTest::newRow("until the last start, zoned") << QByteArray("DTSTART;TZID=Europe/Berlin:20261207T100000")
            << QByteArray("RRULE:FREQ=DAILY;UNTIL=20261231T090000Z") << "FREQ=DAILY;UNTIL=20261231" << QStringList() << "";
        QTest::newRow("until just before the last start") << QByteArray("DTSTART;TZID=Europe/Berlin:20261207T100000")
            << QByteArray("RRULE:FREQ=DAILY;UNTIL=20261231T085959Z") << "FREQ=DAILY;UNTIL=20261230" << QStringList() << "";
        QTest::newRow("days left out") << monday
            << QByteArray("RRULE:FREQ=DAILY;COUNT=10\r\nEXDATE:20261209T100000,20261211T100000\r\nEXDATE:20261208T100000")
            << "FREQ=DAILY;COUNT=10" << QStringList{ "2026-12-08", "2026-12-09", "2026-12-11" } << "";
        QTest::newRow("days left out, zoned") << QByteArray("DTSTART;TZID=Europe/Berlin:20261207T100000")
            << QByteArray("RRULE:FREQ=DAILY\r\nEXDATE;TZID=Europe/Berlin:20261209T100000") << "FREQ=DAILY"
            << QStringList{ "2026-12-09" } << "";
        QTest::newRow("hourly") << monday << QByteArray("RRULE:FREQ=HOURLY;INTERVAL=4") << "" << QStringList()
            << "VEVENT 1 (\"Repeats\"): ";
        QTest::newRow("set positions") << monday << QByteArray("RRULE:FREQ=MONTHLY;BYDAY=MO,TU;BYSETPOS=-1") << ""
            << QStringList() << "VEVENT 1 (\"Repeats\"): ";
        QTest::newRow("two rules, the first kept") << monday
            << QByteArray("RRULE:FREQ=WEEKLY;BYDAY=MO\r\nRRULE:FREQ=WEEKLY;BYDAY=FR") << "FREQ=WEEKLY;BYDAY=MO"
            << QStringList() << "VEVENT 1 (\"Repeats\"): a second RRULE (FREQ=WEEKLY;BYDAY=FR)";
        QTest::newRow("added days") << monday << QByteArray("RRULE:FREQ=DAILY\r\nRDATE:20261224T100000")
            << "FREQ=DAILY" << QStringList() << "VEVENT 1 (\"Repeats\"): added days (RDATE)";
    }

    void importKeepsWhatTheRulesCanSay()
    {
        QFETCH(QByteArray, start);
        QFETCH(QByteArray, lines);
        QFETCH(QString, kept);
        QFETCH(QStringList, exceptions);
        QFETCH(QString, dropped);
        const exchangerows::ZoneForTest local("Europe/Berlin");
        write("rule.ics", calendar("BEGIN:VEVENT\r\nUID:r\r\nSUMMARY:Repeats\r\n" + start + "\r\n" + lines + "\r\nEND:VEVENT\r\n"));
        auto db = fresh("rule.db");
        const exchange::Report report = exchange::importFile(*db, path("rule.ics"));
        QVERIFY2(report.succeeded(), qPrintable(report.failure));
        // The record is kept once whatever becomes of its rule.
        const QList<store::Record> rows = db->records(Table::Schedule);
        QCOMPARE(rows.size(), 1);
        const QDate first = QDate::fromString(QString::fromLatin1(start.mid(start.lastIndexOf(':') + 1, 8)), "yyyyMMdd");
        const auto repeat = store::repeatOf(*db, Table::Schedule, rows.first().rowid);
        QCOMPARE(repeat.has_value(), !kept.isEmpty());
        if (repeat) {
            QCOMPARE(repeat->rule, ruleOf(kept, first));
            QStringList days;
            for (const QDate day : repeat->exceptions)
                days << day.toString(Qt::ISODate);
            QCOMPARE(days, exceptions);
        }
        QCOMPARE(report.repeatsDropped, dropped.isEmpty() ? 0 : 1);
        if (!dropped.isEmpty()) {
            QVERIFY2(report.droppedRepeats.value(0).startsWith(dropped), qPrintable(report.droppedRepeats.value(0)));
            QVERIFY2(report.summary("Imported").contains("Dropped: 1 repeat.\n1 repeat dropped:\n  " + dropped),
                qPrintable(report.summary("Imported")));
        }
    }

    void changedOccurrencesJoinTheirSeries_data()
    {
        QTest::addColumn<QByteArray>("occurrence");
        QTest::addColumn<int>("schedules");
        QTest::addColumn<int>("dropped");
        const QByteArray series = "BEGIN:VEVENT\r\nUID:s\r\nSUMMARY:Standup\r\nDTSTART:20261207T100000\r\n"
                                  "RRULE:FREQ=WEEKLY;BYDAY=MO,WE,FR;COUNT=6\r\nEND:VEVENT\r\n";
        const QByteArray moved = "BEGIN:VEVENT\r\nUID:s\r\nRECURRENCE-ID:20261209T100000\r\nSUMMARY:Standup, later\r\n"
                                 "DTSTART:20261209T120000\r\nEND:VEVENT\r\n";
        QTest::newRow("after its series") << series + moved << 2 << 0;
        QTest::newRow("before its series") << moved + series << 2 << 0;
        QTest::newRow("called off") << series + "BEGIN:VEVENT\r\nUID:s\r\nRECURRENCE-ID:20261209T100000\r\n"
                                                "STATUS:CANCELLED\r\nDTSTART:20261209T100000\r\nEND:VEVENT\r\n" << 1 << 0;
        QTest::newRow("with nothing of its own") << series + "BEGIN:VEVENT\r\nUID:s\r\nRECURRENCE-ID:20261209T100000\r\n"
                                                             "END:VEVENT\r\n" << 1 << 0;
        QTest::newRow("of no series here") << moved << 0 << 1;
    }

    void changedOccurrencesJoinTheirSeries()
    {
        QFETCH(QByteArray, occurrence);
        QFETCH(int, schedules);
        QFETCH(int, dropped);
        write("moved.ics", calendar(occurrence));
        auto db = fresh("moved.db");
        const exchange::Report report = exchange::importFile(*db, path("moved.ics"));
        QVERIFY2(report.succeeded(), qPrintable(report.failure));
        QCOMPARE(report.repeatsDropped, dropped);
        const QList<store::Record> rows = db->records(Table::Schedule);
        QCOMPARE(rows.size(), schedules);
        if (schedules == 0)
            return;
        const qint64 series = rows.first().text(1) == "Standup" ? rows.first().rowid : rows.last().rowid;
        QCOMPARE(store::repeatOf(*db, Table::Schedule, series)->exceptions, QList<QDate>{ QDate(2026, 12, 9) });
        if (schedules == 2) {
            const qint64 moved = rows.first().rowid == series ? rows.last().rowid : rows.first().rowid;
            const auto link = store::occurrenceLinkOf(*db, Table::Schedule, moved);
            QVERIFY(link);
            QCOMPARE(link->series, series);
            QCOMPARE(link->day, QDate(2026, 12, 9));
        }
    }

    // A calendar too large to parse whole is read in pieces: the zone written after the events and
    // a series in the last piece still serve the first piece.
    void aLargeCalendarIsReadInPieces()
    {
        const QByteArray zone = "BEGIN:VTIMEZONE\r\nTZID:Plus2\r\nBEGIN:STANDARD\r\nDTSTART:19700101T000000\r\n"
                                "TZOFFSETFROM:+0200\r\nTZOFFSETTO:+0200\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";
        QByteArray components = "BEGIN:VEVENT\r\nUID:s\r\nRECURRENCE-ID:20261209T100000\r\nSUMMARY:Standup, later\r\n"
                                "DTSTART:20261209T120000\r\nEND:VEVENT\r\n";
        for (int i = 0; i < 1200; ++i)
            components += "BEGIN:VEVENT\r\nUID:e" + QByteArray::number(i) + "\r\nSUMMARY:Event\r\n"
                          "DTSTART;TZID=Plus2:20261210T120000\r\nEND:VEVENT\r\n";
        components += "BEGIN:VEVENT\r\nUID:s\r\nSUMMARY:Standup\r\nDTSTART:20261207T100000\r\n"
                      "RRULE:FREQ=WEEKLY;BYDAY=MO,WE,FR;COUNT=6\r\nEND:VEVENT\r\n" + zone;
        write("large.ics", calendar(components));
        auto db = fresh("large.db");
        const exchange::Report report = exchange::importFile(*db, path("large.ics"));
        QVERIFY2(report.succeeded() && report.skipped.isEmpty(), qPrintable(report.summary("Imported")));
        QCOMPARE(report.schedules, 1202);
        const QList<store::Record> rows = db->records(Table::Schedule);
        QCOMPARE(rows[600].text(4), "10:00:00"); // 12:00 at +02:00 is 10:00 in UTC
        const auto link = store::occurrenceLinkOf(*db, Table::Schedule, rows.last().rowid);
        QVERIFY(link);
        QCOMPARE(link->series, rows[1200].rowid);
    }

    void aRoundTripChangesNothingUntilTheSeriesChanges_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::newRow("floating") << QByteArray("UTC");
        QTest::newRow("zoned") << QByteArray("Europe/Berlin");
    }

    void aRoundTripChangesNothingUntilTheSeriesChanges()
    {
        QFETCH(QByteArray, zone);
        const exchangerows::ZoneForTest local(zone);
        auto db = fresh("trip.db");
        exchangerows::seed(*db);
        const qint64 series = addWeeklySchedule(*db);
        const QDate start(2026, 12, 7);
        const store::Repeat repeat{ ruleOf("FREQ=WEEKLY;BYDAY=MO,WE,FR;COUNT=6", start), { QDate(2026, 12, 9) } };
        store::setRepeat(*db, Table::Schedule, series, start, repeat);
        // Moved, with an empty status, which travels as one.
        const qint64 moved = db->insert(Table::Schedule, { { 0, 4 }, { 1, "Standup, later" }, { 3, "12/11/2026" },
            { 4, "12:00:00" }, { 5, "12/11/2026" }, { 6, "13:00:00" } });
        store::linkOccurrence(*db, Table::Schedule, moved, { series, QDate(2026, 12, 11) });
        store::addException(*db, Table::Schedule, series, QDate(2026, 12, 11));
        const qint64 task = db->records(Table::Task).first().rowid;
        store::setRepeat(*db, Table::Task, task, QDate(2026, 12, 7), store::Repeat{ ruleOf("FREQ=MONTHLY", start), {} });
        QVERIFY(exchange::exportCalendar(*db, path("trip.ics")).succeeded());

        // Our own file read back changes nothing.
        const QStringList before = exchangerows::rowsOf(*db, Table::Schedule);
        exchange::Report again = exchange::importFile(*db, path("trip.ics"));
        QVERIFY2(again.succeeded(), qPrintable(again.failure));
        QCOMPARE(again.added + again.updated, 0);
        // The seed's 7 calendar records, the series and its moved occurrence.
        QVERIFY2(again.unchanged == 9, qPrintable(again.summary("Imported")));
        QCOMPARE(again.repeatsDropped, 0);
        QCOMPARE(exchangerows::rowsOf(*db, Table::Schedule), before);

        // Another store gets the same series, the same moved occurrence, and the task's repeat.
        auto other = fresh("other.db");
        QVERIFY(exchange::importFile(*other, path("trip.ics")).succeeded());
        const QList<store::Record> schedules = other->records(Table::Schedule);
        QCOMPARE(schedules.size(), 4);
        QCOMPARE(store::repeatOf(*other, Table::Schedule, schedules.at(2).rowid),
            (store::Repeat{ repeat.rule, { QDate(2026, 12, 9), QDate(2026, 12, 11) } }));
        const auto link = store::occurrenceLinkOf(*other, Table::Schedule, schedules.at(3).rowid);
        QVERIFY(link);
        QCOMPARE(link->series, schedules.at(2).rowid);
        QCOMPARE(store::repeatOf(*other, Table::Task, other->records(Table::Task).first().rowid)->rule, ruleOf("FREQ=MONTHLY", start));

        // The series edited in the file updates it, and its moved occurrence stays left out.
        QString ics = QString::fromUtf8(linesOf(path("trip.ics")).join("\r\n"));
        const qsizetype rule = ics.indexOf("RRULE:FREQ=WEEKLY");
        const qsizetype begin = ics.lastIndexOf("BEGIN:VEVENT", rule), end = ics.indexOf("END:VEVENT", rule);
        QString event = ics.mid(begin, end - begin);
        event.replace("COUNT=6", "COUNT=9");
        event.replace(QRegularExpression("LAST-MODIFIED:[^\r\n]*"), "LAST-MODIFIED:29990101T000000Z");
        write("edited.ics", ics.replace(begin, end - begin, event).toUtf8());
        const exchange::Report edited = exchange::importFile(*db, path("edited.ics"));
        QCOMPARE(edited.updated, 1);
        QCOMPARE(edited.added, 0);
        const auto changed = store::repeatOf(*db, Table::Schedule, series);
        QVERIFY(changed);
        QCOMPARE(changed->rule.count, 9);
        QCOMPARE(changed->exceptions, (QList<QDate>{ QDate(2026, 12, 9), QDate(2026, 12, 11) }));
        QVERIFY(store::occurrenceLinkOf(*db, Table::Schedule, moved));
    }
};

QTEST_GUILESS_MAIN(TestExchangeRepeats)
#include "test_exchange_repeats.moc"
