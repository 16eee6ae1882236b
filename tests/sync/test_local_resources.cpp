// SPDX-License-Identifier: MIT
// The store's records as a server's members: how they are split and compared, how the server's
// copies are written over them, and what the store remembers of the server.
#include "exchange/ExchangeRows.h"
#include "support/StoreRows.h"
#include "store/Repeats.h"
#include "sync/LocalResources.h"
#include "sync/SyncState.h"

#include <QTemporaryDir>
#include <QtTest>

using store::Table;
using exchangerows::calendar;
using syncing::Kind;

Q_DECLARE_METATYPE(syncing::Kind)

namespace {

const QByteArray Task = "BEGIN:VTODO\r\nUID:t\r\nSUMMARY:Pay rent\r\nDUE:20261207T100000\r\n"
                        "LAST-MODIFIED:20260101T000000Z\r\n"
                        "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:-PT15M\r\nDESCRIPTION:Rent\r\nEND:VALARM\r\nEND:VTODO\r\n";
const QByteArray Series = "BEGIN:VEVENT\r\nUID:s\r\nSUMMARY:Standup\r\nDTSTART:20261207T100000\r\n"
                          "DTEND:20261207T110000\r\nRRULE:FREQ=WEEKLY;BYDAY=MO,WE,FR;COUNT=6\r\n"
                          "LAST-MODIFIED:20260101T000000Z\r\nEND:VEVENT\r\n";
QByteArray occurrence(const QByteArray &day, const QByteArray &summary)
{
    return "BEGIN:VEVENT\r\nUID:s\r\nRECURRENCE-ID:" + day + "T100000\r\nSUMMARY:" + summary + "\r\nDTSTART:" + day
        + "T120000\r\nDTEND:" + day + "T130000\r\nEND:VEVENT\r\n";
}
const QByteArray Note = "BEGIN:VJOURNAL\r\nUID:n\r\nSUMMARY:Idea\r\nDTSTART:20261209T070000\r\nEND:VJOURNAL\r\n";
QByteArray card(const QByteArray &lines)
{
    return "BEGIN:VCARD\r\nVERSION:4.0\r\nUID:c\r\nFN:Ann Lee\r\nN:Lee;Ann;;;\r\n" + lines + "END:VCARD\r\n";
}

/// The rows a sync touches, as short texts: each record's name and day, the contacts with their
/// birthdays, and how many reminder, occurrence and identity rows there are.
QStringList facts(const store::Database &db)
{
    QStringList facts;
    for (const store::Record &row : db.records(Table::Task))
        facts << "task " + row.text(1) + (row.number(8) ? " with reminder" : "");
    for (const store::Record &row : db.records(Table::Schedule))
        facts << "schedule " + row.text(1) + " " + row.text(3) + (row.number(10) ? " with reminder" : "");
    for (const store::Record &row : db.records(Table::Note))
        facts << "note " + row.text(1);
    for (const store::Record &row : db.records(Table::Contact))
        facts << "contact " + row.text(1) + " " + row.text(2) + " " + row.text(10);
    for (const store::Record &row : db.records(Table::Birthday)) {
        const QList<store::Record> reminders = db.records(Table::Reminder, "rem_no = ?", { row.number(3) });
        facts << "birthday " + row.text(2) + (reminders.isEmpty() ? "" : " reminded " + reminders.first().text(1));
    }
    for (const char *table : { "REMINDER_INFO", "RECORD_OCCURRENCE", "RECORD_IDENTITY" }) {
        QSqlQuery count = db.run(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table));
        count.next();
        facts << QStringLiteral("%1 %2").arg(table).arg(count.value(0).toInt());
    }
    return facts;
}

QByteArrayList unfoldedLines(const QByteArray &text)
{
    return QByteArray(text).replace("\r\n ", "").replace("\r\n", "\n").split('\n');
}

} // namespace

class TestLocalResources : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    exchangerows::ZoneForTest m_utc { "UTC" };

    std::unique_ptr<store::Database> fresh(const QString &name)
    {
        QFile::remove(m_dir.filePath(name));
        return std::make_unique<store::Database>(m_dir.filePath(name));
    }

    /// Stores the server's copies as one round does.
    static bool store(store::Database &db, Kind kind, const QByteArray &text, bool ifLater = false)
    {
        store::Transaction transaction(db);
        syncing::RemoteWriter writer(db);
        const bool stored = ifLater ? writer.storeIfLater(kind, text) : writer.store(kind, text);
        transaction.commit();
        return stored;
    }

private slots:
    void splitsTheStoreIntoMembers()
    {
        const exchangerows::ZoneForTest berlin("Europe/Berlin");
        auto db = fresh("split.db");
        exchangerows::seed(*db);
        QVERIFY(store(*db, Kind::Calendar, calendar(Series + occurrence("20261209", "Standup, later"))));
        const QHash<QString, syncing::Resource> resources = syncing::localResources(*db);

        // Three tasks, two schedules and the series; two contacts; no note, no birthday.
        QCOMPARE(resources.size(), 8);
        for (const syncing::Resource &resource : resources) {
            QCOMPARE(syncing::uidOf(resource.kind, resource.text), resource.uid);
            const QByteArrayList lines = unfoldedLines(resource.text);
            if (resource.kind == Kind::Contacts) {
                QCOMPARE(resource.text.count("BEGIN:VCARD"), 1);
                continue;
            }
            QVERIFY(resource.text.startsWith("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:"));
            QVERIFY(resource.text.endsWith("END:VCALENDAR\r\n"));
            QVERIFY(!resource.text.contains("VJOURNAL") && !resource.text.contains("BIRTHDAY"));
            // The zone goes with the members whose times name it.
            QCOMPARE(resource.text.count("BEGIN:VTIMEZONE"), resource.text.contains(";TZID=") ? 1 : 0);
            QCOMPARE(lines.count("UID:" + resource.uid.toUtf8()), resource.uid == "s" ? 2 : 1);
        }
        const QByteArray series = resources.value("s").text;
        QVERIFY(series.indexOf("RRULE:") < series.indexOf("RECURRENCE-ID"));
    }

    void refusesWhatCannotBeWritten()
    {
        auto db = fresh("late.db");
        seedTask(*db, 1, "Far away", 0, "Business", "High", "notes", "1/1/3001");
        QVERIFY_THROWS_EXCEPTION(syncing::Unwritable, syncing::localResources(*db));
    }

    void digestsStayAcrossStoresAndRoundTrips_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::newRow("floating times") << QByteArray("UTC");
        QTest::newRow("zoned times") << QByteArray("Europe/Berlin");
    }

    void digestsStayAcrossStoresAndRoundTrips()
    {
        QFETCH(QByteArray, zone);
        const exchangerows::ZoneForTest local(zone);
        auto first = fresh("first.db");
        seedTask(*first, 1, "Plain");
        seedReminder(*first, 7);
        seedSchedule(*first, 1, "Meeting", 7);
        QVERIFY(store(*first, Kind::Calendar, calendar(Task)));
        QVERIFY(store(*first, Kind::Calendar, calendar(Series + occurrence("20261211", "Standup, later"))));
        QVERIFY(store(*first, Kind::Contacts, card("BDAY:19800229\r\nTEL;TYPE=cell:0777\r\n")));
        const QHash<QString, syncing::Resource> ours = syncing::localResources(*first);
        QCOMPARE(ours.size(), 5);

        auto second = fresh("second.db");
        for (const syncing::Resource &resource : ours) {
            QCOMPARE(syncing::digestOf(resource.text), resource.digest);
            QVERIFY(store(*second, resource.kind, resource.text));
            QVERIFY(store(*first, resource.kind, resource.text));
        }
        for (const store::Database *db : { first.get(), second.get() }) {
            const QHash<QString, syncing::Resource> again = syncing::localResources(*db);
            QCOMPARE(again.keys().size(), ours.size());
            for (const syncing::Resource &resource : ours)
                QVERIFY2(again.value(resource.uid).digest == resource.digest,
                    resource.text + "\n----\n" + again.value(resource.uid).text);
        }
    }

    void storeReplacesWhateverTheTimes_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QByteArray>("ours");
        QTest::addColumn<QByteArray>("theirs");
        QTest::addColumn<QStringList>("wanted");
        QTest::newRow("summary, reminder gone") << Kind::Calendar << calendar(Task)
            << calendar("BEGIN:VTODO\r\nUID:t\r\nSUMMARY:Pay the rent\r\nDUE:20261207T100000\r\nEND:VTODO\r\n")
            << QStringList { "task Pay the rent", "REMINDER_INFO 0", "RECORD_OCCURRENCE 0", "RECORD_IDENTITY 1" };
        QTest::newRow("an occurrence dropped, one changed") << Kind::Calendar
            << calendar(Series + occurrence("20261209", "Standup, later") + occurrence("20261211", "Standup, late"))
            << calendar(Series + occurrence("20261211", "Standup, at noon"))
            << QStringList { "schedule Standup 12/7/2026", "schedule Standup, at noon 12/11/2026", "REMINDER_INFO 0",
                   "RECORD_OCCURRENCE 1", "RECORD_IDENTITY 2" };
        // The birthday is reminded of on 3/1/2027.
        const QByteArray born = card("BDAY:19800301\r\nREV:20300101T000000Z\r\n");
        QTest::newRow("birthday moved") << Kind::Contacts << born << card("BDAY:19800229\r\n")
            << QStringList { "contact Ann Lee 2/29/1980", "birthday 2/29/1980 reminded 2/29/1980", "REMINDER_INFO 1",
                   "RECORD_OCCURRENCE 0", "RECORD_IDENTITY 1" };
        QTest::newRow("birthday gone") << Kind::Contacts << born << card({})
            << QStringList { "contact Ann Lee 1/3/1900", "birthday 1/3/1900", "REMINDER_INFO 0", "RECORD_OCCURRENCE 0",
                   "RECORD_IDENTITY 1" };
        QTest::newRow("birthday kept") << Kind::Contacts << born << card("BDAY:19800301\r\nNOTE:met in Leeds\r\n")
            << QStringList { "contact Ann Lee 3/1/1980", "birthday 3/1/1980 reminded 3/1/2027", "REMINDER_INFO 1",
                   "RECORD_OCCURRENCE 0", "RECORD_IDENTITY 1" };
        QTest::newRow("a new record") << Kind::Calendar << QByteArray() << calendar(Task)
            << QStringList { "task Pay rent with reminder", "REMINDER_INFO 1", "RECORD_OCCURRENCE 0", "RECORD_IDENTITY 1" };
    }

    void storeReplacesWhateverTheTimes()
    {
        QFETCH(Kind, kind);
        QFETCH(QByteArray, ours);
        QFETCH(QByteArray, theirs);
        QFETCH(QStringList, wanted);
        auto db = fresh("replace.db");
        QVERIFY(ours.isEmpty() || store(*db, kind, ours));
        if (kind == Kind::Contacts) {
            seedReminder(*db, 8, "3/1/2027");
            db->run("UPDATE BIRTHDAY_INFO SET rem_no = 8");
        }
        QVERIFY(store(*db, kind, theirs));
        QCOMPARE(facts(*db), wanted);
        // The series leaves out the days its occurrences stand for, and no more.
        if (QTest::currentDataTag() == QByteArray("an occurrence dropped, one changed")) {
            const auto repeat = store::repeatOf(*db, Table::Schedule, db->records(Table::Schedule).first().rowid);
            QCOMPARE(repeat->exceptions, QList<QDate> { QDate(2026, 12, 11) });
        }
    }

    void storeIfLaterKeepsTheLaterCopy_data()
    {
        QTest::addColumn<QByteArray>("changed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("theirs later") << QByteArray("LAST-MODIFIED:20270101T000000Z\r\n") << "task Rent paid";
        QTest::newRow("ours later") << QByteArray("LAST-MODIFIED:20250101T000000Z\r\n") << "task Pay rent with reminder";
        QTest::newRow("theirs undated") << QByteArray() << "task Pay rent with reminder";
    }

    void storeIfLaterKeepsTheLaterCopy()
    {
        QFETCH(QByteArray, changed);
        QFETCH(QString, kept);
        auto db = fresh("later.db");
        QVERIFY(store(*db, Kind::Calendar, calendar(Task)));
        // True when the server's copy took the record's place, false when ours stays.
        QCOMPARE(store(*db, Kind::Calendar, calendar("BEGIN:VTODO\r\nUID:t\r\nSUMMARY:Rent paid\r\n" + changed + "END:VTODO\r\n"),
                     true),
            kept == "task Rent paid");
        QCOMPARE(facts(*db).first(), kept);
    }

    void storeLeavesLocalKindsOnTheServer_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("a note") << calendar(Note);
        QTest::newRow("a birthday") << calendar("BEGIN:VEVENT\r\nUID:c-birthday\r\nSUMMARY:Ann's Birthday\r\n"
                                                "DTSTART;VALUE=DATE:19800301\r\nX-ORRISDAY-BIRTHDAY:TRUE\r\nEND:VEVENT\r\n");
        QTest::newRow("an occurrence without its series") << calendar(occurrence("20261209", "Standup, later"));
    }

    void storeLeavesLocalKindsOnTheServer()
    {
        QFETCH(QByteArray, text);
        auto db = fresh("local.db");
        QVERIFY(!store(*db, Kind::Calendar, text));
        QCOMPARE(facts(*db), (QStringList { "REMINDER_INFO 0", "RECORD_OCCURRENCE 0", "RECORD_IDENTITY 0" }));
    }

    void conflictCopyStandsBeside_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QByteArray>("ours");
        QTest::addColumn<QString>("uid");
        QTest::addColumn<QStringList>("wanted");
        QTest::newRow("task") << Kind::Calendar << calendar(Task) << "t"
            << QStringList { "task Pay rent with reminder", "task Pay rent (conflict copy) with reminder",
                   "REMINDER_INFO 2", "RECORD_OCCURRENCE 0", "RECORD_IDENTITY 2" };
        QTest::newRow("series") << Kind::Calendar << calendar(Series + occurrence("20261209", "Standup, later")) << "s"
            << QStringList { "schedule Standup 12/7/2026", "schedule Standup, later 12/9/2026",
                   "schedule Standup (conflict copy) 12/7/2026", "schedule Standup, later (conflict copy) 12/9/2026",
                   "REMINDER_INFO 0", "RECORD_OCCURRENCE 2", "RECORD_IDENTITY 4" };
        QTest::newRow("contact") << Kind::Contacts << card("BDAY:19800301\r\n") << "c"
            << QStringList { "contact Ann Lee 3/1/1980", "contact Ann Lee (conflict copy) 3/1/1980", "birthday 3/1/1980",
                   "birthday 3/1/1980", "REMINDER_INFO 0", "RECORD_OCCURRENCE 0", "RECORD_IDENTITY 2" };
    }

    void conflictCopyStandsBeside()
    {
        QFETCH(Kind, kind);
        QFETCH(QByteArray, ours);
        QFETCH(QString, uid);
        QFETCH(QStringList, wanted);
        auto db = fresh("conflict.db");
        QVERIFY(store(*db, kind, ours));
        const syncing::Resource local = syncing::localResources(*db).value(uid);
        store::Transaction transaction(*db);
        syncing::RemoteWriter writer(*db);
        const QString copy = writer.storeConflictCopy(local);
        transaction.commit();
        QVERIFY(!copy.isEmpty() && copy != uid);
        QCOMPARE(facts(*db), wanted);
        const QHash<QString, syncing::Resource> resources = syncing::localResources(*db);
        QCOMPARE(resources.size(), 2);
        QVERIFY(resources.value(copy).text.contains(" (conflict copy)"));
    }

    void removeLeavesNothingBehind()
    {
        auto db = fresh("remove.db");
        seedReminder(*db, 1);
        seedNote(*db, 1, "Idea", 1);
        QVERIFY(store(*db, Kind::Calendar, calendar(Task)));
        QVERIFY(store(*db, Kind::Calendar, calendar(Series + occurrence("20261209", "Standup, later"))));
        QVERIFY(store(*db, Kind::Contacts, card("BDAY:19800301\r\n")));
        // The birthday's and the occurrence's reminders.
        seedReminder(*db, 8);
        db->run("UPDATE BIRTHDAY_INFO SET rem_no = 8");
        seedReminder(*db, 9);
        db->run("UPDATE SCHEDULE_INFO SET rem_no = 9 WHERE schedule_name = 'Standup, later'");

        store::Transaction transaction(*db);
        syncing::RemoteWriter writer(*db);
        for (const QString &uid : { "t", "s", "c", "unknown" })
            writer.remove(uid);
        QCOMPARE(facts(*db), (QStringList { "note Idea", "REMINDER_INFO 1", "RECORD_OCCURRENCE 0", "RECORD_IDENTITY 1" }));
        QVERIFY(db->run("SELECT 1 FROM RECORD_REPEAT").next() == false);
        // The writer knows them gone: the server's copies come back as new records.
        QVERIFY(writer.store(Kind::Calendar, calendar(Series)));
        QVERIFY(writer.store(Kind::Contacts, card({})));
        transaction.commit();
        QCOMPARE(facts(*db).mid(0, 3), (QStringList { "schedule Standup 12/7/2026", "note Idea", "contact Ann Lee 1/3/1900" }));
    }

    void syncStateRemembersTheServer()
    {
        auto db = fresh("state.db");
        QVERIFY(syncing::syncedItems(*db).isEmpty());
        QCOMPARE(syncing::syncToken(*db, "/cal/"), QString());
        const syncing::SyncedItem task { "t", Kind::Calendar, "/cal/t.ics", "\"1\"", "abc", false };
        const syncing::SyncedItem card { "c", Kind::Contacts, "/book/c.vcf", "\"2\"", {}, true };
        syncing::saveSyncedItem(*db, task);
        syncing::saveSyncedItem(*db, card);
        syncing::saveSyncToken(*db, "/cal/", "token-1");
        syncing::saveSyncToken(*db, "/cal/", "token-2");

        const QHash<QString, syncing::SyncedItem> items = syncing::syncedItems(*db);
        QCOMPARE(items.size(), 2);
        const syncing::SyncedItem read = items.value("c");
        QCOMPARE(read.kind, Kind::Contacts);
        QCOMPARE(read.etag, QByteArray("\"2\""));
        QVERIFY(read.remoteOnly && read.digest.isEmpty());
        QCOMPARE(syncing::syncedItemAt(*db, "/cal/t.ics")->digest, QByteArray("abc"));
        QVERIFY(!syncing::syncedItemAt(*db, "/cal/x.ics"));
        QCOMPARE(syncing::syncToken(*db, "/cal/"), QString("token-2"));

        // A member moved to another UID's href takes its place.
        syncing::saveSyncedItem(*db, { "t2", Kind::Calendar, "/cal/t.ics", "\"3\"", "def", false });
        QCOMPARE(syncing::syncedItemAt(*db, "/cal/t.ics")->uid, QString("t2"));
        syncing::forgetSyncedItem(*db, "c");
        QCOMPARE(syncing::syncedItems(*db).keys(), QList<QString> { "t2" });
        syncing::forgetSyncState(*db);
        QVERIFY(syncing::syncedItems(*db).isEmpty());
        QCOMPARE(syncing::syncToken(*db, "/cal/"), QString());
    }
};

QTEST_GUILESS_MAIN(TestLocalResources)
#include "test_local_resources.moc"
