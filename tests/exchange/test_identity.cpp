// SPDX-License-Identifier: MIT
// Records keep their identity through exports and imports: nothing doubles, a change updates its
// record, and a file can not make the program start something.
#include "ExchangeRows.h"
#include "exchange/Exchange.h"
#include "store/Identity.h"
#include "support/StoreTrouble.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using store::Table;
using exchangerows::calendar;

namespace {

const QList<std::pair<Table, int>> RecordTables { { Table::Task, 8 }, { Table::Schedule, 10 }, { Table::Note, 5 },
    { Table::Contact, -1 }, { Table::Birthday, 3 } };

QStringList everyRow(const store::Database &db)
{
    QStringList rows;
    for (const auto &[table, reminder] : RecordTables)
        rows << exchangerows::rowsOf(db, table, reminder);
    return rows;
}

} // namespace

class TestIdentity : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    exchangerows::ZoneForTest m_utc { "UTC" };

    QString path(const QString &name) const { return m_dir.filePath(name); }
    QByteArray contents(const QString &name) const
    {
        QFile f(path(name));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
    void write(const QString &name, const QByteArray &data) const
    {
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    /// A fresh store under the name.
    std::unique_ptr<store::Database> fresh(const QString &name) const
    {
        QFile::remove(path(name));
        return std::make_unique<store::Database>(path(name));
    }
    void exportBoth(const store::Database &db, const QString &prefix)
    {
        QVERIFY(exchange::exportCalendar(db, path(prefix + ".ics")).succeeded());
        QVERIFY(exchange::exportContacts(db, path(prefix + ".vcf")).succeeded());
    }
    exchange::Report importBoth(store::Database &db, const QString &prefix)
    {
        return exchange::importFiles(db, { path(prefix + ".ics"), path(prefix + ".vcf") }, { .withPrograms = true });
    }

private slots:
    void everyRecordHasItsOwnUid()
    {
        auto db = fresh("uids.db");
        exchangerows::seed(*db);
        QSet<QString> uids;
        for (Table table : store::identifiedTables())
            for (const store::Identity &identity : store::identities(*db, table))
                uids << identity.uid;
        QCOMPARE(uids.size(), 8); // 3 tasks, 2 schedules, 1 note, 2 contacts
        for (const QString &uid : std::as_const(uids))
            QVERIFY2(QRegularExpression("^[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}$").match(uid).hasMatch(),
                qPrintable(uid));

        // A deleted record's identity goes with it, and is not handed to the next row.
        const store::Record last = db->records(Table::Task).last();
        const QString gone = store::identities(*db, Table::Task).value(last.rowid).uid;
        db->remove(Table::Task, last.rowid);
        db->insert(Table::Task, { { 0, 3 }, { 1, "Again" } });
        QVERIFY(store::identities(*db, Table::Task).value(db->records(Table::Task).last().rowid).uid != gone);
        QVERIFY(!store::rowsByUid(*db).contains(gone));
    }

    void rowsOfAnOlderStoreGetUidsAtItsFirstOpen()
    {
        {
            auto db = fresh("older.db");
            exchangerows::seed(*db);
            db->run("DROP TABLE RECORD_IDENTITY");
        }
        store::Database reopened(path("older.db"));
        QCOMPARE(store::identities(reopened, Table::Task).size(), 3);
        QCOMPARE(store::identities(reopened, Table::Contact).size(), 2);
    }

    // A store made before writers could hold the identities back gets the hold at its next open;
    // rows made while it is held get the identities given, and the rest one of their own.
    void rowsMadeWhileHeldGetTheGivenIdentities()
    {
        {
            auto db = fresh("before-hold.db");
            db->run("DROP TABLE RECORD_IDENTITY_HELD");
        }
        store::Database db(path("before-hold.db"));
        {
            store::Transaction transaction(db);
            store::IdentitiesGiven given(db);
            const qint64 named = db.insert(Table::Task, { { 0, 1 }, { 1, "Named" } });
            store::giveIdentity(db, Table::Task, named, "from-the-file", "20261201T100000Z");
            db.insert(Table::Note, { { 0, 1 }, { 1, "Unnamed" } });
            QCOMPARE(store::identities(db, Table::Note).size(), 0);
            given.release();
            transaction.commit();
        }
        QCOMPARE(store::identities(db, Table::Task).value(1).uid, QStringLiteral("from-the-file"));
        QCOMPARE(store::identities(db, Table::Task).value(1).changed, QStringLiteral("20261201T100000Z"));
        QCOMPARE(store::identities(db, Table::Note).size(), 1);
        db.insert(Table::Note, { { 0, 2 }, { 1, "After" } });
        QCOMPARE(store::identities(db, Table::Note).size(), 2);
    }

    void importingTheSameFilesAgainChangesNothing()
    {
        auto db = fresh("same.db");
        write("Alert.wav", "RIFF");
        exchangerows::seed(*db, path("Alert.wav"));
        exportBoth(*db, "same");
        const QStringList before = everyRow(*db);
        const exchange::Report report = importBoth(*db, "same");
        QVERIFY2(report.succeeded(), qPrintable(report.failure));
        QCOMPARE(report.added + report.updated, 0);
        QCOMPARE(report.unchanged, 9); // 8 records and a birthday
        QCOMPARE(everyRow(*db), before);
    }

    void aRecordChangedInTheFileUpdatesItsRowOnly()
    {
        auto db = fresh("edited.db");
        write("Alert.wav", "RIFF");
        exchangerows::seed(*db, path("Alert.wav"));
        exportBoth(*db, "edited");
        QString ics = QString::fromUtf8(contents("edited.ics"));
        const qsizetype start = ics.lastIndexOf("BEGIN:VTODO", ics.indexOf("SUMMARY:Pay rent"));
        const qsizetype end = ics.indexOf("END:VTODO", start);
        QString todo = ics.mid(start, end - start);
        todo.replace("SUMMARY:Pay rent", "SUMMARY:Pay the rent");
        todo.replace(QRegularExpression("LAST-MODIFIED:[^\r\n]*"), "LAST-MODIFIED:29990101T000000Z");
        write("edited.ics", ics.replace(start, end - start, todo).toUtf8());
        const QStringList before = everyRow(*db);

        const exchange::Report report = exchange::importFiles(*db, { path("edited.ics") }, { .withPrograms = true });
        QCOMPARE(report.updated, 1);
        QCOMPARE(report.added, 0);
        QStringList expected = before;
        expected[0].replace("Pay rent", "Pay the rent");
        QCOMPARE(everyRow(*db), expected);
    }

    void twoStoresExportingToEachOtherConverge()
    {
        auto first = fresh("first.db");
        auto second = fresh("second.db");
        write("Alert.wav", "RIFF");
        exchangerows::seed(*first, path("Alert.wav"));
        exportBoth(*first, "from-first");
        QCOMPARE(importBoth(*second, "from-first").added, 8);
        exportBoth(*second, "from-second");
        const exchange::Report back = importBoth(*first, "from-second");
        QCOMPARE(back.added + back.updated, 0);
        QCOMPARE(everyRow(*second), everyRow(*first));
        QCOMPARE(contents("from-second.vcf"), contents("from-first.vcf"));
    }

    void aBirthdayFindsItsContactByUidInEitherOrder()
    {
        auto source = fresh("people.db");
        exchangerows::seed(*source);
        exportBoth(*source, "people");
        auto target = fresh("people-target.db");
        // The contacts first, then the calendar on its own: the birthday reminder still lands.
        QVERIFY(exchange::importFile(*target, path("people.vcf")).succeeded());
        const exchange::Report calendarAlone = exchange::importFile(*target, path("people.ics"));
        QCOMPARE(calendarAlone.birthdays, 1);
        QCOMPARE(exchangerows::rowsOf(*target, Table::Birthday, 3), exchangerows::rowsOf(*source, Table::Birthday, 3));
    }

    void programsRunOnlyWhenTheUserAllowedThem_data()
    {
        QTest::addColumn<bool>("allowed");
        QTest::addColumn<QString>("program");
        QTest::addColumn<int>("dropped");
        QTest::newRow("not allowed") << false << "" << 1;
        QTest::newRow("allowed") << true << "/usr/bin/xcalc" << 0;
    }
    void programsRunOnlyWhenTheUserAllowedThem()
    {
        QFETCH(bool, allowed);
        QFETCH(QString, program);
        QFETCH(int, dropped);
        write("program.ics",
            calendar("BEGIN:VTODO\r\nUID:p\r\nSUMMARY:Run\r\nDUE:20261201T100000\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\n"
                     "TRIGGER:-PT5M\r\nX-ORRISDAY-PROGRAM:/usr/bin/xcalc\r\nX-ORRISDAY-SOUND:/nowhere/bell.wav\r\n"
                     "END:VALARM\r\nEND:VTODO\r\n"));
        QCOMPARE(exchange::programsIn({ path("program.ics") }), QStringList { "/usr/bin/xcalc" });
        auto db = fresh("program.db");
        const exchange::Report report = exchange::importFile(*db, path("program.ics"), { .withPrograms = allowed });
        QCOMPARE(report.programsDropped, dropped);
        QCOMPARE(report.soundsDropped, 1);
        const store::Record reminder = db->records(Table::Reminder).value(0);
        QCOMPARE((QStringList { reminder.text(3), reminder.text(5) }), (QStringList { "", program }));
    }

    void aCancelledImportStoresNothing()
    {
        QByteArray todos;
        for (int i = 0; i < 1000; ++i)
            todos += "BEGIN:VTODO\r\nUID:t" + QByteArray::number(i) + "\r\nSUMMARY:T\r\nEND:VTODO\r\n";
        write("many.ics", calendar(todos));
        auto db = fresh("cancel.db");
        int asked = 0;
        const exchange::Report report = exchange::importFile(*db, path("many.ics"),
            { .progress = [&](int read, int) { ++asked; return read < 512; } });
        QCOMPARE(report.failure, QStringLiteral("The import was cancelled. Nothing was imported."));
        QCOMPARE(asked, 2);
        QCOMPARE(db->records(Table::Task).size(), 0);
    }

    void nothingIsLostQuietly_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("said");
        QTest::addColumn<int>("reminders");
        QTest::newRow("repeating event") << calendar("BEGIN:VEVENT\r\nUID:r\r\nSUMMARY:Weekly\r\nDTSTART:20261201T100000\r\n"
                                                     "RRULE:FREQ=HOURLY\r\nEND:VEVENT\r\n"
                                                     "BEGIN:VEVENT\r\nUID:r\r\nRECURRENCE-ID:20261208T100000\r\n"
                                                     "SUMMARY:Moved\r\nDTSTART:20261209T100000\r\nEND:VEVENT\r\n")
                                         << "Dropped: 2 repeats" << 0;
        QTest::newRow("alarm offset beyond a year")
            << calendar("BEGIN:VEVENT\r\nUID:o\r\nSUMMARY:Far\r\nDTSTART:20261201T100000\r\nBEGIN:VALARM\r\n"
                        "ACTION:DISPLAY\r\nTRIGGER:-P20000D\r\nEND:VALARM\r\nEND:VEVENT\r\n")
            << "1 schedule" << 0;
        QTest::newRow("fold inside a character")
            << calendar("BEGIN:VEVENT\r\nUID:f\r\nSUMMARY:Caf\xC3\r\n \xA9\r\nDTSTART:20261201T100000\r\nEND:VEVENT\r\n")
            << "1 schedule" << 0;
    }
    void nothingIsLostQuietly()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, said);
        QFETCH(int, reminders);
        write("quiet.ics", data);
        auto db = fresh("quiet.db");
        const exchange::Report report = exchange::importFile(*db, path("quiet.ics"));
        QVERIFY2(report.succeeded() && report.summary("Imported").contains(said), qPrintable(report.summary("Imported")));
        QCOMPARE(db->records(Table::Reminder).size(), reminders);
        if (QTest::currentDataTag() == QByteArray("fold inside a character"))
            QCOMPARE(db->records(Table::Schedule).value(0).text(1), QStringLiteral("Café"));
    }

    void aDateBeyondTheYear3000IsRefusedByName()
    {
        auto db = fresh("far.db");
        db->insert(Table::Task, { { 0, 1 }, { 1, "Far away" }, { 3, "1/1/3500" }, { 4, "10:00:00" } });
        const exchange::Report report = exchange::exportCalendar(*db, path("far.ics"));
        QVERIFY(report.failure.contains("the task \"Far away\" has a date after the year 3000"));
        QVERIFY(!QFile::exists(path("far.ics")));
    }

    void aSecondImportAtOnceSaysAnotherHoldsTheStore()
    {
        auto db = fresh("busy.db");
        write("one.ics", calendar("BEGIN:VTODO\r\nUID:one\r\nSUMMARY:One\r\nEND:VTODO\r\n"));
        store::Database other(path("busy.db"));
        const auto held = bringTrouble(StoreTrouble::Locked, *db, path("busy.db"));
        const exchange::Report report = exchange::importFile(other, path("one.ics"));
        QVERIFY2(report.failure.startsWith("Another import, or another program, is writing to the records"),
            qPrintable(report.failure));
    }
};

QTEST_MAIN(TestIdentity)
#include "test_identity.moc"
