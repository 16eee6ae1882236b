// SPDX-License-Identifier: MIT
// Our files as other programs read them, and theirs as we read them: calcurse's importer and
// exporter, and python's vobject parser. Each check is skipped where its program is missing.
#include "ExchangeRows.h"
#include "exchange/Exchange.h"
#include "store/Repeats.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

/// Runs a program to its end; its standard output and error together.
QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return QStringLiteral("(did not finish)");
    return QString::fromUtf8(process.readAll());
}

/// The days calcurse's query lists an item of the title on, as it writes them (12/07/26).
QStringList daysListed(const QString &query, const QString &title)
{
    QStringList days;
    QString day;
    for (const QString &line : query.split(QLatin1Char('\n'))) {
        if (QRegularExpression(QStringLiteral("^\\d\\d/\\d\\d/\\d\\d:$")).match(line).hasMatch())
            day = line.chopped(1);
        else if (line.trimmed() == title || line.trimmed() == QStringLiteral("* ") + title)
            days << day;
    }
    return days;
}

bool hasVobject()
{
    return QFile::exists(QStringLiteral("/usr/bin/python3"))
        && run(QStringLiteral("/usr/bin/python3"), { QStringLiteral("-c"), QStringLiteral("import vobject") }).isEmpty();
}

} // namespace

class TestExchangePeers : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    exchangerows::ZoneForTest m_utc{"UTC"};
    QString path(const QString &name) const { return m_dir.filePath(name); }

    /// Our calendar written with floating times, and with times in a zone.
    void calendars()
    {
        QTest::addColumn<QString>("calendar");
        QTest::addColumn<QByteArray>("zone");
        QTest::newRow("floating") << "all.ics" << QByteArray("UTC");
        QTest::newRow("zoned") << "zoned.ics" << QByteArray("Europe/Berlin");
    }

private slots:
    void initTestCase()
    {
        store::Database db(path("store.db"));
        exchangerows::seed(db);
        QVERIFY(exchange::exportCalendar(db, path("all.ics")).succeeded());
        QVERIFY(exchange::exportContacts(db, path("all.vcf")).succeeded());
        const exchangerows::ZoneForTest berlin("Europe/Berlin");
        QVERIFY(exchange::exportCalendar(db, path("zoned.ics")).succeeded());
    }

    void calcurseImportsEveryTaskAndSchedule_data() { calendars(); }

    void calcurseImportsEveryTaskAndSchedule()
    {
        QFETCH(QString, calendar);
        QFETCH(QByteArray, zone);
        const exchangerows::ZoneForTest local(zone);
        const QString calcurse = QStandardPaths::findExecutable(QStringLiteral("calcurse"));
        if (calcurse.isEmpty())
            QSKIP("calcurse is not installed");
        const QString folder = path(QStringLiteral("calcurse-") + QTest::currentDataTag());
        const QString said = run(calcurse, { QStringLiteral("-D"), folder, QStringLiteral("-i"), path(calendar) });
        const QRegularExpressionMatch counts
            = QRegularExpression(QStringLiteral("(\\d+) apps? / (\\d+) events? / (\\d+) todos? / (\\d+) skipped")).match(said);
        QVERIFY2(counts.hasMatch(), qPrintable(said));
        // Three tasks; two schedules and the yearly birthday as appointments or events; the note
        // (a journal entry) is no calendar item for calcurse.
        QCOMPARE(counts.captured(3).toInt(), 3);
        QCOMPARE(counts.captured(1).toInt() + counts.captured(2).toInt(), 3);
        QCOMPARE(counts.captured(4).toInt(), 0);
    }

    void calcurseListsTheSameOccurrences_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<bool>("allDay");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<bool>("fromFile"); ///< the series read from a file first, exported again
        QTest::addColumn<int>("listed");
        const QString weekly = QStringLiteral("FREQ=WEEKLY;BYDAY=MO,WE,FR;COUNT=6");
        const QDate monday(2026, 12, 7);
        QTest::newRow("Monday, Wednesday and Friday, six times") << weekly << monday << false << monday << QByteArray("UTC") << false << 6;
        QTest::newRow("the same, zoned") << weekly << monday << false << monday << QByteArray("Europe/Berlin") << false << 6;
        QTest::newRow("the same, read from a file") << weekly << monday << false << monday << QByteArray("UTC") << true << 6;
        QTest::newRow("every other day until a day") << QStringLiteral("FREQ=DAILY;INTERVAL=2;UNTIL=20261215") << monday
                                                     << false << monday << QByteArray("Europe/Berlin") << false << 5;
        QTest::newRow("monthly on the 31st, in February") << QStringLiteral("FREQ=MONTHLY;BYMONTHDAY=-1") << QDate(2026, 12, 31) << true
                                                          << QDate(2027, 2, 20) << QByteArray("UTC") << false << 1;
    }

    void calcurseListsTheSameOccurrences()
    {
        QFETCH(QString, rule);
        QFETCH(QDate, start);
        QFETCH(bool, allDay);
        QFETCH(QDate, from);
        QFETCH(QByteArray, zone);
        QFETCH(bool, fromFile);
        QFETCH(int, listed);
        const exchangerows::ZoneForTest local(zone);
        const QString calcurse = QStandardPaths::findExecutable(QStringLiteral("calcurse"));
        if (calcurse.isEmpty())
            QSKIP("calcurse is not installed");
        const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-'));
        const QString day = start.toString(QStringLiteral("M/d/yyyy"));
        const auto kept = store::fromRRule(rule, start);
        QVERIFY(kept);
        store::Database db(path(tag + ".db"));
        if (fromFile) {
            QFile ics(path(tag + "-theirs.ics"));
            QVERIFY(ics.open(QIODevice::WriteOnly));
            ics.write(exchangerows::calendar("BEGIN:VEVENT\r\nUID:standup\r\nSUMMARY:Standup\r\nDTSTART:"
                                             + start.toString("yyyyMMdd").toLatin1() + "T100000\r\nDURATION:PT1H\r\n"
                                             "RRULE:" + rule.toLatin1() + "\r\nEND:VEVENT\r\n"));
            ics.close();
            const exchange::Report report = exchange::importFile(db, ics.fileName());
            QVERIFY2(report.succeeded() && report.repeatsDropped == 0, qPrintable(report.summary("Imported")));
            QCOMPARE(store::repeatOf(db, store::Table::Schedule, db.records(store::Table::Schedule).value(0).rowid),
                     (store::Repeat { *kept, {} }));
        } else {
            const QString at = allDay ? QStringLiteral("1/3/1900") : QStringLiteral("10:00:00");
            const qint64 rowid = db.insert(store::Table::Schedule, { { 0, 1 }, { 1, "Standup" }, { 3, day }, { 4, at },
                { 5, day }, { 6, allDay ? at : QStringLiteral("11:00:00") } });
            store::setRepeat(db, store::Table::Schedule, rowid, start, store::Repeat { *kept, {} });
        }
        QVERIFY(exchange::exportCalendar(db, path(tag + ".ics")).succeeded());
        QFile ours(path(tag + ".ics"));
        QVERIFY(ours.open(QIODevice::ReadOnly));
        QVERIFY(ours.readAll().contains("RRULE:"));

        const QString folder = path(QStringLiteral("calcurse-") + tag);
        const QString imported = run(calcurse, { QStringLiteral("-D"), folder, QStringLiteral("-i"), path(tag + ".ics") });
        QVERIFY2(imported.contains(QStringLiteral("0 skipped")), qPrintable(imported));
        const QString query = run(calcurse, { QStringLiteral("-D"), folder, QStringLiteral("-Q"), QStringLiteral("--from"),
            from.toString(QStringLiteral("MM/dd/yyyy")), QStringLiteral("--days"), QStringLiteral("14") });
        QStringList expected;
        for (const QDate occurrence : store::occurrences({ *kept, {} }, start, from, from.addDays(13)))
            expected << occurrence.toString(QStringLiteral("MM/dd/yy"));
        QCOMPARE(expected.size(), listed);
        QCOMPARE(daysListed(query, QStringLiteral("Standup")), expected);
    }

    void vobjectReadsBothFiles_data() { calendars(); }

    void vobjectReadsBothFiles()
    {
        QFETCH(QString, calendar);
        QFETCH(QByteArray, zone);
        const exchangerows::ZoneForTest local(zone);
        if (!hasVobject())
            QSKIP("python3-vobject is not installed");
        const QString counting = QStringLiteral(
            "import sys, vobject\n"
            "cal = vobject.readOne(open(sys.argv[1], encoding='utf-8').read())\n"
            "print(len(cal.contents.get('vtodo', [])), len(cal.contents.get('vevent', [])),"
            " len(cal.contents.get('vjournal', [])))\n"
            "print(len(list(vobject.readComponents(open(sys.argv[2], encoding='utf-8').read()))))\n");
        const QString said = run(QStringLiteral("/usr/bin/python3"),
            { QStringLiteral("-c"), counting, path(calendar), path("all.vcf") });
        QCOMPARE(said.trimmed(), QStringLiteral("3 3 1\n2"));
    }

    // calcurse 4.7 keeps no UIDs, so its files come back as new records; vobject keeps them.
    void filesRewrittenByVobjectMatchTheirRecords()
    {
        if (!hasVobject())
            QSKIP("python3-vobject is not installed");
        const QString rewriting = QStringLiteral(
            "import sys, vobject\n"
            "cal = vobject.readOne(open(sys.argv[1], encoding='utf-8').read())\n"
            "open(sys.argv[3], 'w', encoding='utf-8').write(cal.serialize())\n"
            "cards = vobject.readComponents(open(sys.argv[2], encoding='utf-8').read())\n"
            "open(sys.argv[4], 'w', encoding='utf-8').write(''.join(c.serialize() for c in cards))\n");
        const QString said = run(QStringLiteral("/usr/bin/python3"),
            { QStringLiteral("-c"), rewriting, path("all.ics"), path("all.vcf"), path("again.ics"), path("again.vcf") });
        QVERIFY2(said.isEmpty(), qPrintable(said));
        store::Database db(path("store.db"));
        const exchange::Report report = exchange::importFiles(db, { path("again.vcf"), path("again.ics") });
        QVERIFY2(report.succeeded(), qPrintable(report.failure));
        QCOMPARE(report.added, 0);
        QCOMPARE(report.updated, 0);
        QVERIFY(report.unchanged > 0);
    }

    void aCalendarFromCalcurseImports()
    {
        const QString calcurse = QStandardPaths::findExecutable(QStringLiteral("calcurse"));
        if (calcurse.isEmpty())
            QSKIP("calcurse is not installed");
        const QString data = path("theirs");
        QVERIFY(QDir().mkpath(data));
        QFile apts(data + "/apts");
        QVERIFY(apts.open(QIODevice::WriteOnly));
        // "!" in place of "|" gives the appointment an alarm; calcurse writes it as a display alarm
        // without a DESCRIPTION, five minutes (its default warning) before the start.
        apts.write("12/08/2026 @ 14:00 -> 12/08/2026 @ 15:30 !Dentist\n12/24/2026 [1] Christmas Eve\n");
        apts.close();
        QFile todo(data + "/todo");
        QVERIFY(todo.open(QIODevice::WriteOnly));
        todo.write("[1] Buy bread\n[3] Call Ann\n");
        todo.close();
        const QString exported = run(calcurse, { QStringLiteral("-D"), data, QStringLiteral("-xical") });
        QVERIFY2(exported.contains("BEGIN:VCALENDAR"), qPrintable(exported));
        QFile file(path("theirs.ics"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(exported.toUtf8());
        file.close();

        store::Database db(path("fresh.db"));
        const exchange::Report report = exchange::importFile(db, path("theirs.ics"));
        QVERIFY2(report.succeeded(), qPrintable(report.failure));
        QCOMPARE(report.tasks, 2);
        QCOMPARE(report.schedules, 2);
        QCOMPARE(db.records(store::Table::Task).size(), 2);
        QCOMPARE(db.records(store::Table::Schedule).size(), 2);
        QCOMPARE(report.reminders, 1);
        QCOMPARE(exchangerows::rowsOf(db, store::Table::Schedule, 10).filter("Dentist"),
                 QStringList("2 # Dentist #  # 12/8/2026 # 14:00:00 # 12/8/2026 # 15:30:00 # Not Started #  # Personal"
                             " # 12/8/2026|13:55:00|||"));
    }
};

QTEST_GUILESS_MAIN(TestExchangePeers)
#include "test_exchange_peers.moc"
