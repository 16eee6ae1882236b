// SPDX-License-Identifier: MIT
#include "ExchangeRows.h"
#include "exchange/CalendarPieces.h"
#include "exchange/Exchange.h"
#include "exchange/Numbering.h"
#include "exchange/VCardText.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using store::Table;
using exchangerows::calendar;

namespace {

QByteArray contents(const QString &file)
{
    QFile f(file);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void write(const QString &file, const QByteArray &data)
{
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

QByteArray withoutStamps(QByteArray ics)
{
    QList<QByteArray> kept;
    for (const QByteArray &line : ics.split('\n'))
        if (!line.startsWith("DTSTAMP"))
            kept << line;
    return kept.join('\n');
}

QByteArray vevent(const QByteArray &summary, const QByteArray &start)
{
    return "BEGIN:VEVENT\r\nUID:" + summary + "\r\nDTSTAMP:20260101T000000Z\r\nSUMMARY:" + summary
           + "\r\nDTSTART:" + start + "\r\nEND:VEVENT\r\n";
}

} // namespace

class TestExchange : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    // Times are written floating unless a test sets a zone of its own.
    exchangerows::ZoneForTest m_utc{"UTC"};
    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void exportThenImportKeepsEveryRecord_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::newRow("floating") << QByteArray("UTC");
        QTest::newRow("zoned") << QByteArray("Europe/Berlin");
    }

    void exportThenImportKeepsEveryRecord()
    {
        QFETCH(QByteArray, zone);
        const exchangerows::ZoneForTest local(zone);
        const QString first = path("first.db"), second = path("second.db");
        QFile::remove(first);
        QFile::remove(second);
        store::Database source(first);
        write(path("Alert.wav"), "RIFF");
        exchangerows::seed(source, path("Alert.wav"));
        const exchange::Report ics = exchange::exportCalendar(source, path("all.ics"));
        const exchange::Report vcf = exchange::exportContacts(source, path("all.vcf"));
        QVERIFY2(ics.succeeded() && vcf.succeeded(), qPrintable(ics.failure + vcf.failure));
        QCOMPARE(ics.tasks, 3);
        QCOMPARE(ics.schedules, 2);
        QCOMPARE(ics.notes, 1);
        QCOMPARE(ics.birthdays, 1);
        QCOMPARE(ics.reminders, 4);
        QCOMPARE(vcf.contacts, 2);

        store::Database target(second);
        const exchange::Report cards = exchange::importFile(target, path("all.vcf"));
        const exchange::Report events = exchange::importFile(target, path("all.ics"), { .withPrograms = true });
        QVERIFY2(cards.skipped.isEmpty() && events.skipped.isEmpty(), qPrintable(cards.summary("") + events.summary("")));
        QCOMPARE(events.reminders, 4);
        for (const auto &[table, reminder] : {std::pair{Table::Task, 8}, {Table::Schedule, 10}, {Table::Note, 5},
                                              {Table::Contact, -1}, {Table::Birthday, 3}})
            QCOMPARE(exchangerows::rowsOf(target, table, reminder), exchangerows::rowsOf(source, table, reminder));

        QVERIFY(exchange::exportCalendar(target, path("again.ics")).succeeded());
        QVERIFY(exchange::exportContacts(target, path("again.vcf")).succeeded());
        QCOMPARE(withoutStamps(contents(path("again.ics"))), withoutStamps(contents(path("all.ics"))));
        QCOMPARE(contents(path("again.vcf")), contents(path("all.vcf")));
    }

    void zonedExport_data()
    {
        QTest::addColumn<QByteArray>("wanted");
        QTest::addColumn<int>("times");
        QTest::newRow("one zone") << QByteArray("BEGIN:VTIMEZONE") << 1;
        QTest::newRow("named by its id") << QByteArray("TZID:Europe/Berlin\r\n") << 1;
        QTest::newRow("due") << QByteArray("DUE;TZID=Europe/Berlin:20261207T100000\r\n") << 1;
        QTest::newRow("start and end") << QByteArray("DTSTART;TZID=Europe/Berlin:20261208T140000\r\n"
                                                     "DTEND;TZID=Europe/Berlin:20261208T153000\r\n") << 1;
        QTest::newRow("no floating due") << QByteArray("DUE:") << 0;
        QTest::newRow("no floating start") << QByteArray("DTSTART:2026") << 0;
        QTest::newRow("no floating end") << QByteArray("DTEND:") << 0;
        QTest::newRow("birthday, a date") << QByteArray("DTSTART;VALUE=DATE:19800301\r\n") << 1;
        // The display alarm and the audio alarm of one reminder.
        QTest::newRow("alarm in UTC") << QByteArray("TRIGGER;VALUE=DATE-TIME:20261207T083000Z\r\n") << 2;
    }

    void zonedExport()
    {
        QFETCH(QByteArray, wanted);
        QFETCH(int, times);
        const exchangerows::ZoneForTest local("Europe/Berlin");
        const QString dbFile = path("zoned.db");
        QFile::remove(dbFile);
        store::Database source(dbFile);
        exchangerows::seed(source);
        QVERIFY(exchange::exportCalendar(source, path("zoned.ics")).succeeded());
        QCOMPARE(contents(path("zoned.ics")).count(wanted), times);
    }

    void zonedTimesImportAsLocal_data()
    {
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<QByteArray>("zones");
        const QByteArray eastern = "BEGIN:VTIMEZONE\r\nTZID:Eastern\r\nBEGIN:STANDARD\r\nDTSTART:19700101T000000\r\n"
                                   "TZOFFSETFROM:-0500\r\nTZOFFSETTO:-0500\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";
        QTest::newRow("zone by name, not in the file") << QByteArray("DTSTART;TZID=America/New_York:20261208T080000") << QByteArray();
        QTest::newRow("zone of the file") << QByteArray("DTSTART;TZID=Eastern:20261208T080000") << eastern;
        QTest::newRow("UTC") << QByteArray("DTSTART:20261208T130000Z") << QByteArray();
        QTest::newRow("floating") << QByteArray("DTSTART:20261208T140000") << QByteArray();
    }

    void zonedTimesImportAsLocal()
    {
        QFETCH(QByteArray, start);
        QFETCH(QByteArray, zones);
        const exchangerows::ZoneForTest local("Europe/Berlin");
        write(path("zone.ics"), calendar(zones + "BEGIN:VEVENT\r\nUID:z\r\nSUMMARY:Call\r\n" + start
                                         + "\r\nDURATION:PT1H\r\nEND:VEVENT\r\n"));
        const QString dbFile = path("zone.db");
        QFile::remove(dbFile);
        store::Database db(dbFile);
        const exchange::Report report = exchange::importFile(db, path("zone.ics"));
        QVERIFY2(report.schedules == 1, qPrintable(report.summary("Imported")));
        const store::Record row = db.records(Table::Schedule).value(0);
        QCOMPARE(QStringList({row.text(3), row.text(4), row.text(5), row.text(6)}),
                 QStringList({"12/8/2026", "14:00:00", "12/8/2026", "15:00:00"}));
    }

    // Values of our own properties come back exactly, blanks at either end and quotes included.
    void ownValuesKeepEveryCharacter_data()
    {
        QTest::addColumn<QString>("status");
        QTest::newRow("plain") << "Awaiting";
        QTest::newRow("leading blank") << " Completed";
        QTest::newRow("trailing blanks") << "Awaiting  ";
        QTest::newRow("in quotes") << "\"Done\"";
        QTest::newRow("opening quote") << "\" ";
        QTest::newRow("only a blank") << " ";
    }

    void ownValuesKeepEveryCharacter()
    {
        QFETCH(QString, status);
        const QString first = path("own.db"), second = path("own-again.db");
        QFile::remove(first);
        QFile::remove(second);
        store::Database source(first);
        source.insert(Table::Task, {{0, 1}, {1, "Task"}, {5, status}, {6, " High"}, {7, "Personal"}});
        QVERIFY(exchange::exportCalendar(source, path("own.ics")).succeeded());
        store::Database target(second);
        QVERIFY(exchange::importFile(target, path("own.ics")).succeeded());
        const store::Record row = target.records(Table::Task).value(0);
        QCOMPARE(row.text(5), status);
        QCOMPARE(row.text(6), QString(" High"));
    }

    void ownValuesWrittenBeforeReadAsThemselves()
    {
        write(path("plain.ics"), calendar("BEGIN:VTODO\r\nUID:p\r\nSUMMARY:Plain\r\nX-ORRISDAY-STATUS:Awaiting\r\n"
                                          "X-ORRISDAY-PRIORITY:Some \"big\" one\r\nEND:VTODO\r\n"));
        const QString dbFile = path("plain.db");
        QFile::remove(dbFile);
        store::Database db(dbFile);
        QVERIFY(exchange::importFile(db, path("plain.ics")).succeeded());
        const store::Record row = db.records(Table::Task).value(0);
        QCOMPARE(QStringList({row.text(5), row.text(6)}), QStringList({"Awaiting", "Some \"big\" one"}));
    }

    // A birthday in a calendar finds its contact when the contacts come in the same import,
    // whichever file is named first; a refused file among them stores nothing.
    void calendarAndContactsImportTogether_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("birthdays");
        QTest::addColumn<int>("tasks");
        QTest::newRow("calendar first") << QStringList{"all.ics", "all.vcf"} << 1 << 3;
        QTest::newRow("contacts first") << QStringList{"all.vcf", "all.ics"} << 1 << 3;
        QTest::newRow("one refused") << QStringList{"all.ics", "all.vcf", "missing.vcf"} << 0 << 0;
    }

    void calendarAndContactsImportTogether()
    {
        QFETCH(QStringList, files);
        QFETCH(int, birthdays);
        QFETCH(int, tasks);
        const QString first = path("together.db"), second = path("together-again.db");
        QFile::remove(first);
        QFile::remove(second);
        store::Database source(first);
        exchangerows::seed(source);
        QVERIFY(exchange::exportCalendar(source, path("all.ics")).succeeded());
        QVERIFY(exchange::exportContacts(source, path("all.vcf")).succeeded());

        store::Database target(second);
        QStringList paths;
        for (const QString &file : std::as_const(files))
            paths << path(file);
        const exchange::Report report = exchange::importFiles(target, paths);
        QVERIFY2(report.skipped.isEmpty(), qPrintable(report.summary("Imported")));
        QCOMPARE(report.succeeded(), tasks > 0);
        QCOMPARE(report.birthdays, birthdays);
        QCOMPARE(target.records(Table::Task).size(), tasks);
        if (birthdays)
            QCOMPARE(exchangerows::rowsOf(target, Table::Birthday, 3), exchangerows::rowsOf(source, Table::Birthday, 3));
    }

    // Alarms as other programs write them: a reminder wherever the moment can be worked out, with
    // an empty message where the alarm has none ("0": no reminder).
    void alarmsOfOtherPrograms_data()
    {
        QTest::addColumn<QByteArray>("alarm");
        QTest::addColumn<QString>("reminder");
        const QByteArray display = "BEGIN:VALARM\r\nACTION:DISPLAY\r\n";
        QTest::newRow("no description") << display + "TRIGGER:-PT15M\r\nEND:VALARM\r\n" << "12/1/2026|9:45:00|||";
        QTest::newRow("empty description") << display + "TRIGGER:-PT15M\r\nDESCRIPTION:\r\nEND:VALARM\r\n"
                                           << "12/1/2026|9:45:00|||";
        QTest::newRow("offset without T") << display + "TRIGGER:-P300S\r\nEND:VALARM\r\n" << "12/1/2026|9:55:00|||";
        QTest::newRow("offset in days") << display + "TRIGGER:-P1D\r\nEND:VALARM\r\n" << "11/30/2026|10:00:00|||";
        QTest::newRow("unreadable trigger") << display + "TRIGGER:soon\r\nEND:VALARM\r\n" << "0";
        QTest::newRow("no trigger") << display + "DESCRIPTION:x\r\nEND:VALARM\r\n" << "0";
    }

    void alarmsOfOtherPrograms()
    {
        QFETCH(QByteArray, alarm);
        QFETCH(QString, reminder);
        write(path("alarm.ics"), calendar("BEGIN:VEVENT\r\nUID:a\r\nSUMMARY:Call\r\nDTSTART:20261201T100000\r\n" + alarm
                                          + "END:VEVENT\r\n"));
        const QString dbFile = path("alarm.db");
        QFile::remove(dbFile);
        store::Database db(dbFile);
        const exchange::Report report = exchange::importFile(db, path("alarm.ics"));
        QCOMPARE(report.schedules, 1);
        const QString row = exchangerows::rowsOf(db, Table::Schedule, 10).value(0);
        QCOMPARE(row.section(" # ", 10), reminder);
    }

    void cardsOfOlderPrograms_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QStringList>("stored"); ///< first and last name, phone, mobile, note
        QTest::newRow("quoted-printable name") << QByteArray("N;ENCODING=QUOTED-PRINTABLE;CHARSET=UTF-8:M=C3=BCller;J=C3=BCrgen\r\n")
                                               << QStringList { "Jürgen", "Müller", "0", "0", "" };
        QTest::newRow("bare parameter, soft line break")
            << QByteArray("N:Lee;Ann\r\nNOTE;QUOTED-PRINTABLE:first=0D=0Asecond and a long=\r\n line\r\n")
            << QStringList { "Ann", "Lee", "0", "0", "first\r\nsecond and a long line" };
        QTest::newRow("latin-1") << QByteArray("N;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:G=F6tz;Ann\r\n")
                                 << QStringList { "Ann", "Götz", "0", "0", "" };
        QTest::newRow("formatted phone numbers")
            << QByteArray("N:Lee;Ann\r\nNOTE:Met in Oslo\r\nTEL;TYPE=home:+49 (30) 1234-567\r\nTEL;TYPE=cell:0171 22\r\n"
                          "TEL;TYPE=work:4711\r\n")
            << QStringList { "Ann", "Lee", "49301234567", "017122", "Met in Oslo\nPhone: +49 (30) 1234-567\nMobile: 0171 22" };
    }
    void cardsOfOlderPrograms()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QStringList, stored);
        write(path("older.vcf"), "BEGIN:VCARD\r\nVERSION:2.1\r\n" + lines + "END:VCARD\r\n");
        const QString dbFile = path("older.db");
        QFile::remove(dbFile);
        store::Database db(dbFile);
        QVERIFY(exchange::importFile(db, path("older.vcf")).succeeded());
        const QList<store::Record> contacts = db.records(Table::Contact);
        QCOMPARE(contacts.size(), 1);
        const store::Record &contact = contacts.first();
        QCOMPARE((QStringList { contact.text(1), contact.text(2), contact.text(7), contact.text(8), contact.text(22) }), stored);
    }

    void exportedProperties_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("wanted");
        QTest::addColumn<bool>("present");
        QTest::newRow("due, floating") << "ics" << QByteArray("DUE:20261207T100000\r\n") << true;
        QTest::newRow("status") << "ics" << QByteArray("STATUS:NEEDS-ACTION") << true;
        QTest::newRow("status beyond the RFC") << "ics" << QByteArray("X-ORRISDAY-STATUS:Awaiting") << true;
        QTest::newRow("priority") << "ics" << QByteArray("PRIORITY:1\r\n") << true;
        QTest::newRow("category") << "ics" << QByteArray("CATEGORIES:Business") << true;
        QTest::newRow("schedule end") << "ics" << QByteArray("DTEND:20261208T153000\r\n") << true;
        QTest::newRow("journal") << "ics" << QByteArray("BEGIN:VJOURNAL") << true;
        QTest::newRow("yearly birthday") << "ics" << QByteArray("RRULE:FREQ=YEARLY") << true;
        QTest::newRow("sound as attachment") << "ics" << QByteArray("ATTACH:file:///tmp/sounds/Alert.wav") << true;
        QTest::newRow("no sound") << "ics" << QByteArray("X-ORRISDAY-SOUND:No Sound") << true;
        QTest::newRow("program") << "ics" << QByteArray("X-ORRISDAY-PROGRAM:/usr/bin/true") << true;
        QTest::newRow("no 1900 date") << "ics" << QByteArray("1900") << false;
        QTest::newRow("vcard version") << "vcf" << QByteArray("VERSION:4.0\r\n") << true;
        QTest::newRow("name") << "vcf" << QByteArray("N:Lee;Ann;;;\r\n") << true;
        QTest::newRow("home address") << "vcf" << QByteArray("ADR;TYPE=home:;;1 Main St\\, Flat 2;Leeds;West;;UK") << true;
        QTest::newRow("mobile") << "vcf" << QByteArray("TEL;TYPE=cell:0777") << true;
        QTest::newRow("escaped org") << "vcf" << QByteArray("ORG:Acme\\; Ltd") << true;
        QTest::newRow("birthday") << "vcf" << QByteArray("BDAY:19800301") << true;
        QTest::newRow("note line break") << "vcf" << QByteArray("NOTE:likes tea\\nand cake") << true;
        QTest::newRow("photo uri") << "vcf" << QByteArray("PHOTO:file:///tmp/pictures/ann.png") << true;
        QTest::newRow("no placeholder phone") << "vcf" << QByteArray(":0\r\n") << false;
    }

    void exportedProperties()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, wanted);
        QFETCH(bool, present);
        const QString db = path("props.db");
        if (!QFile::exists(db)) {
            store::Database source(db);
            exchangerows::seed(source);
        }
        store::Database source(db);
        const QString out = path("props." + file);
        QVERIFY(file == "ics" ? exchange::exportCalendar(source, out).succeeded() : exchange::exportContacts(source, out).succeeded());
        QCOMPARE(contents(out).contains(wanted), present);
    }

    void hostileFiles_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("skipped");
        QTest::addColumn<QString>("said");
        const QByteArray good = vevent("Kept", "20261201T100000");
        QTest::newRow("unreadable start") << calendar(good + vevent("Bad", "99999999T999999")) << 1 << 1 << "VEVENT 2";
        QTest::newRow("no summary") << calendar(good + vevent("", "20261201T100000")) << 1 << 1 << "no summary";
        QTest::newRow("10 MB line") << calendar(good + vevent(QByteArray(10 << 20, 'x'), "20261201T100000")) << 1 << 1
                                    << "longer than 1 MB";
        QTest::newRow("truncated calendar") << calendar(good).left(calendar(good).size() - 30) << 0 << 0 << "Nothing was imported";
        QTest::newRow("invalid UTF-8") << calendar(good + vevent("Caf\xe9", "20261201T100000")) << 0 << 0 << "not UTF-8";
        QTest::newRow("not a calendar") << QByteArray("hello\n") << 0 << 0 << "neither";
        QTest::newRow("birthday without its contact")
            << calendar("BEGIN:VEVENT\r\nSUMMARY:Zed's Birthday\r\nDTSTART;VALUE=DATE:19700101\r\n"
                        "X-ORRISDAY-BIRTHDAY:TRUE\r\nX-ORRISDAY-FIRST-NAME:Zed\r\nEND:VEVENT\r\n")
            << 0 << 1 << "its contact was not found";
        QByteArray parameters = "BEGIN:VEVENT\r\nUID:p\r\nDTSTART:20261201T100000\r\nSUMMARY";
        for (int i = 0; i < 225000; ++i)
            parameters += ";X-P=1";
        QTest::newRow("225,000 parameters") << calendar(parameters + ":Slow\r\nEND:VEVENT\r\n" + vevent("Kept", "20261201T100000"))
                                          << 1 << 1 << "more than 64 parameters";
        QByteArray tels = "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Many Phones\r\n";
        for (int i = 0; i < 10000; ++i)
            tels += "TEL:" + QByteArray::number(i) + "\r\n";
        QTest::newRow("10000 phones") << tels + "END:VCARD\r\n" << 1 << 0 << "1 contact";
        QTest::newRow("card without end") << QByteArray("BEGIN:VCARD\r\nFN:A B\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:Cut") << 1 << 1
                                          << "no END:VCARD";
        QTest::newRow("card without name") << QByteArray("BEGIN:VCARD\r\nTEL:1\r\nEND:VCARD\r\n") << 0 << 1 << "no name";
        QTest::newRow("card with a bad birthday") << QByteArray("BEGIN:VCARD\r\nFN:A B\r\nBDAY:19801340\r\nEND:VCARD\r\n") << 1 << 0
                                                  << "Dropped: 1 birthday without a year";
        QTest::newRow("birthday without a year") << QByteArray("BEGIN:VCARD\r\nFN:A B\r\nTEL:1\r\nBDAY:--0415\r\nEND:VCARD\r\n")
                                                 << 1 << 0 << "Dropped: 1 birthday without a year";
    }

    void hostileFiles()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, stored);
        QFETCH(int, skipped);
        QFETCH(QString, said);
        const QString file = path("hostile"), dbFile = path("hostile.db");
        write(file, data);
        QFile::remove(dbFile);
        store::Database db(dbFile);
        const exchange::Report report = exchange::importFile(db, file);
        QVERIFY2(report.summary("Imported").contains(said), qPrintable(report.summary("Imported")));
        QCOMPARE(report.skipped.size(), skipped);
        const int rows = int(db.records(Table::Schedule).size() + db.records(Table::Contact).size());
        QCOMPARE(rows, stored);
        QCOMPARE(db.records(Table::Birthday).size(), db.records(Table::Contact).size());
    }

    void fileOverItsTimeIsRefusedWhole_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("calendar") << calendar(vevent("Kept", "20261201T100000"));
        QTest::newRow("cards") << QByteArray("BEGIN:VCARD\r\nFN:A B\r\nEND:VCARD\r\n");
    }

    void fileOverItsTimeIsRefusedWhole()
    {
        QFETCH(QByteArray, data);
        const QString file = path("slow"), dbFile = path("slow.db");
        write(file, data);
        QFile::remove(dbFile);
        store::Database db(dbFile);
        exchange::ImportOptions noTime;
        noTime.fixedTime = noTime.timePerMegabyte = std::chrono::milliseconds(0);
        const exchange::Report report = exchange::importFile(db, file, noTime);
        QVERIFY(!report.succeeded());
        QVERIFY2(report.failure.contains("takes far too long to read for its size"), qPrintable(report.failure));
        QCOMPARE(db.records(Table::Schedule).size() + db.records(Table::Contact).size(), 0);
    }

    void numberingFollowsTheStore_data()
    {
        QTest::addColumn<QList<int>>("existing");
        QTest::newRow("empty") << QList<int>{};
        QTest::newRow("in order") << QList<int>{1, 2, 3};
        QTest::newRow("last freed") << QList<int>{1, 5, 2};
        QTest::newRow("next taken") << QList<int>{4, 9, 3};
    }

    void numberingFollowsTheStore()
    {
        QFETCH(QList<int>, existing);
        const QString file = path("numbers.db");
        QFile::remove(file);
        store::Database db(file);
        for (int number : existing)
            db.insert(Table::Note, {{0, number}});
        exchange::Numbering numbering(db, Table::Note);
        for (int i = 0; i < 4; ++i) {
            const qint64 expected = db.nextNumber(Table::Note);
            QCOMPARE(numbering.next(), expected);
            db.insert(Table::Note, {{0, expected}});
        }
    }

    void vcardLinesFoldAndUnfold()
    {
        const QString value = QString("Zoë, ünï; long \\ text ").repeated(20) + "\nend";
        const QByteArray folded = exchange::vcard::folded("NOTE:" + exchange::vcard::escaped(value));
        for (const QByteArray &line : folded.split('\n'))
            QVERIFY(QByteArray(line).replace('\r', "").size() <= 75);
        QVERIFY(!QString::fromUtf8(folded).contains(QChar::ReplacementCharacter));
        QList<exchange::vcard::ContentLine> lines;
        exchange::vcard::forEachContentLine(QString::fromUtf8(folded), [&](const auto &line) { lines << line; });
        QCOMPARE(lines.size(), 1);
        QCOMPARE(exchange::vcard::unescaped(lines[0].value), value);
    }

    void largeCalendarsAreReadInWholePieces_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArrayList>("pieces"); // the summaries of each piece; one piece: the text whole
        const QByteArray zone = "BEGIN:VTIMEZONE\r\nTZID:Z\r\nBEGIN:STANDARD\r\nDTSTART:19700101T000000\r\n"
                                "TZOFFSETFROM:+0100\r\nTZOFFSETTO:+0100\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";
        const QByteArray a = vevent("a", "20261207T100000"), b = vevent("b", "20261208T100000"),
                         c = vevent("c", "20261209T100000");
        QTest::newRow("no more than a piece") << calendar(a + b) << QByteArrayList{"ab"};
        QTest::newRow("its zones in every piece") << calendar(a + zone + b + c) << QByteArrayList{"ab", "c"};
        QTest::newRow("written in small letters")
            << calendar(a + b + c).replace("BEGIN:VEVENT", "begin:vevent") << QByteArrayList{"ab", "c"};
        QTest::newRow("two calendars") << calendar(a + b) + calendar(c) << QByteArrayList{"abc"};
        QTest::newRow("a component not ended") << calendar(a + b + "BEGIN:VEVENT\r\n" + c) << QByteArrayList{"abc"};
    }

    void largeCalendarsAreReadInWholePieces()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArrayList, pieces);
        const QList<QByteArray> read = exchange::calendarPieces(text, 2);
        QCOMPARE(read.size(), pieces.size());
        if (read.size() == 1)
            QCOMPARE(read.first(), text);
        for (qsizetype i = 0; read.size() > 1 && i < read.size(); ++i) {
            QVERIFY(read[i].startsWith("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n") && read[i].endsWith("END:VCALENDAR\r\n"));
            QCOMPARE(read[i].contains("TZID:Z"), text.contains("TZID:Z"));
            QByteArray summaries;
            for (const QByteArray &line : read[i].split('\n'))
                if (line.startsWith("SUMMARY:"))
                    summaries += line.mid(8).trimmed();
            QCOMPARE(summaries, pieces[i]);
        }
    }
};

QTEST_GUILESS_MAIN(TestExchange)
#include "test_exchange.moc"
