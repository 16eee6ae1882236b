// SPDX-License-Identifier: MIT
#include "store/Views.h"
#include "support/StoreRows.h"

#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

using namespace store;

class TestStore : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<Database> m_db;

    QString file() const { return m_dir.filePath("sys/dll/sysks.dll"); }
    Database &db() { return *m_db; }

private slots:
    void init()
    {
        QFile::remove(file());
        m_db = std::make_unique<Database>(file());
    }
    void cleanup() { m_db.reset(); }

    void schemaIsCreatedPrivateWithColumnsInOrder()
    {
        QVERIFY(QFile::exists(file()));
        QCOMPARE(QFile::permissions(file()) & 0x0077, QFileDevice::Permissions());
        const QSqlRecord task = db().run("SELECT * FROM TASK_INFO").record();
        QStringList columns;
        for (int i = 0; i < task.count(); ++i)
            columns << task.fieldName(i);
        QCOMPARE(columns,
            QStringList({ "TASK_CODE", "TASK_NAME", "TASK_DESCRIPTION", "TASK_DATE", "TASK_TIME", "TASK_STATUS",
                "TASK_PRIORITY", "TASK_CATEGORY", "rem_no" }));
        QStringList widths;
        for (const char *table : { "TASK_INFO", "SCHEDULE_INFO", "NOTE_INFO", "CONTACT_INFO", "BIRTHDAY_INFO",
                 "REMINDER_INFO", "EVENT_INFO" })
            widths << QStringLiteral("%1 %2").arg(table).arg(
                db().run(QStringLiteral("SELECT * FROM ") + table).record().count());
        QCOMPARE(widths,
            QStringList({ "TASK_INFO 9", "SCHEDULE_INFO 11", "NOTE_INFO 6", "CONTACT_INFO 24", "BIRTHDAY_INFO 4",
                "REMINDER_INFO 6", "EVENT_INFO 4" }));
    }

    void writtenTextsConvertOrFailWith3421_data()
    {
        // clang-format off
        QTest::addColumn<int>("column"); // of REMINDER_INFO: 1 a date, 2 a time
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("stored"); // empty: refused
        QTest::addColumn<QString>("readBack");
        QTest::newRow("picked date") << 1 << "12/7/2026" << "2026-12-07" << "12/7/2026";
        QTest::newRow("no-date value") << 1 << "1/3/1900" << "1900-01-03" << "1/3/1900";
        QTest::newRow("picked time") << 2 << "10 : 5 : 33" << "10:05:33" << "10:05:33";
        QTest::newRow("plain time") << 2 << "7:04:09" << "07:04:09" << "7:04:09";
        QTest::newRow("hour and minute") << 2 << "14  :  5" << "14:05:00" << "14:05:00";
        QTest::newRow("canonical date") << 1 << "2026-01-31" << "2026-01-31" << "1/31/2026";
        QTest::newRow("canonical time") << 2 << "23:59:59" << "23:59:59" << "23:59:59";
        QTest::newRow("blanks around") << 1 << "  12/7/2026 " << "2026-12-07" << "12/7/2026";
        for (const char *refused : { "", " ", "tomorrow", "13/1/2026", "2/30/2026", "12/7/2026x" })
            QTest::addRow("refused \"%s\"", refused) << 1 << refused << "" << "";
        for (const char *refused : { "24 : 0 : 0", "10 : 61", "10:30x" })
            QTest::addRow("refused \"%s\"", refused) << 2 << refused << "" << "";
        // clang-format on
    }
    void writtenTextsConvertOrFailWith3421()
    {
        QFETCH(int, column);
        QFETCH(QString, written);
        QFETCH(QString, stored);
        QFETCH(QString, readBack);
        const int error = storeErrorOf([&] { db().insert(Table::Reminder, { { 0, 1 }, { column, written } }); });
        QCOMPARE(error, stored.isEmpty() ? int(ConversionFailed) : 0);
        const QList<Record> rows = db().records(Table::Reminder);
        QCOMPARE(rows.size(), stored.isEmpty() ? 0 : 1);
        if (!rows.isEmpty()) {
            QCOMPARE(rows[0].values[column].toString(), stored);
            QCOMPARE(rows[0].text(column), readBack);
        }
    }

    void everyDateAndTimeColumnTakesOnlyItsKind_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("stored"); // empty: refused with 3421, nothing written
        struct Column
        {
            Table table;
            int column;
            bool isTime;
        };
        const Column columns[] = { { Table::Task, 3, false }, { Table::Task, 4, true }, { Table::Schedule, 3, false },
            { Table::Schedule, 4, true }, { Table::Schedule, 5, false }, { Table::Schedule, 6, true },
            { Table::Note, 3, false }, { Table::Note, 4, true }, { Table::Contact, 10, false },
            { Table::Birthday, 2, false }, { Table::Reminder, 1, false }, { Table::Reminder, 2, true },
            { Table::Event, 2, false }, { Table::Event, 3, true } };
        for (const Column &c : columns) {
            const QByteArray name = tableInfo(c.table).columns.at(c.column).toUtf8();
            const auto row = [&](const char *what, const QString &written, const QString &stored) {
                QTest::addRow("%s given %s", name.constData(), what) << int(c.table) << c.column << written << stored;
            };
            row("a date", "12/15/2026", c.isTime ? "" : "2026-12-15");
            row("a time", "10:30", c.isTime ? "10:30:00" : "");
            row("a date and a time", "12/15/2026 10:30:00", "");
            // An undated reminder stores the no-date value in its time column too.
            row("the no-date value", store::NoDate, "1900-01-03");
            row("nothing", "", "");
            row("garbage", "soon", "");
        }
    }
    void everyDateAndTimeColumnTakesOnlyItsKind()
    {
        QFETCH(int, table);
        QFETCH(int, column);
        QFETCH(QString, written);
        QFETCH(QString, stored);
        const auto which = Table(table);
        QCOMPARE(storeErrorOf([&] { db().insert(which, { { column, written } }); }),
            stored.isEmpty() ? int(ConversionFailed) : 0);
        const QList<Record> rows = db().records(which);
        QCOMPARE(rows.size(), stored.isEmpty() ? 0 : 1);
        if (!rows.isEmpty())
            QCOMPARE(rows[0].values[column].toString(), stored);
    }

    void nextNumberFollowsTheLastRow_data()
    {
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<int>("next");
        QTest::newRow("empty table") << QList<int> {} << 1;
        QTest::newRow("last row, not the largest") << QList<int> { 7, 3 } << 4;
        QTest::newRow("renumbered in place collides") << QList<int> { 4, 2, 3 } << 5;
    }
    void nextNumberFollowsTheLastRow()
    {
        QFETCH(QList<int>, codes);
        QFETCH(int, next);
        for (int code : codes)
            seedReminder(db(), code);
        QCOMPARE(db().nextNumber(Table::Reminder), qint64(next));
    }

    void freedLastNumberIsGivenAgain()
    {
        seedTask(db(), 1, "a");
        seedTask(db(), 2, "b");
        db().remove(Table::Task, db().records(Table::Task).last().rowid);
        QCOMPARE(db().nextNumber(Table::Task), qint64(2));
    }

    void joinedSourcesPairOwnersWithTheirReminders()
    {
        seedTask(db(), 1, "without reminder");
        seedTask(db(), 2, "with reminder", 5);
        seedReminder(db(), 5, "12/7/2026", "10 : 30 : 0");
        for (int i = 1; i <= 20; ++i)
            db().insert(Table::Contact,
                { { 0, i }, { 1, QStringLiteral("First%1").arg(i) }, { 8, QStringLiteral("55%1").arg(i) } });
        db().insert(Table::Birthday, { { 1, 13 }, { 2, "4/1/1990" }, { 3, 6 } });
        seedReminder(db(), 6);
        const QList<JoinedReminder> rows = joinedReminders(db(), QDate(2026, 12, 8));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].kind, ReminderKind::Task);
        QCOMPARE(rows[0].ownerName, QStringLiteral("with reminder"));
        QCOMPARE(rows[0].time, QTime(10, 30, 0));
        QCOMPARE(rows[1].kind, ReminderKind::Birthday);
        QCOMPARE(rows[1].contactMobile, QStringLiteral("5513"));
    }

    void readsNearADayUseTheIndexes_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantList>("params");
        QTest::addColumn<QString>("index");
        const QDate day(2026, 12, 7);
        const auto tasks = ownedRemindersNear(Table::Task, day, true);
        const auto birthdays = birthdayRemindersNear(day);
        QTest::newRow("owned, by date") << tasks.first << tasks.second << "reminder_by_date";
        QTest::newRow("owner by its reminder") << tasks.first << tasks.second << "task_by_reminder";
        QTest::newRow("birthdays, by month and day") << birthdays.first << birthdays.second << "reminder_by_yearly_day";
        const auto events = eventsNear(day);
        QTest::newRow("computer events, by date") << events.first << events.second << "event_by_date";
    }
    void readsNearADayUseTheIndexes()
    {
        QFETCH(QString, sql);
        QFETCH(QVariantList, params);
        QFETCH(QString, index);
        QSqlQuery plan = db().run("EXPLAIN QUERY PLAN " + sql, params);
        QStringList steps;
        while (plan.next())
            steps << plan.value(3).toString();
        QVERIFY2(steps.join('\n').contains("INDEX " + index), qPrintable(steps.join('\n')));
    }

    void birthdayReadNearItsYearlyDay_data()
    {
        QTest::addColumn<QString>("born");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<bool>("read");
        QTest::newRow("on its day") << "4/1/1990" << QDate(2027, 4, 1) << true;
        QTest::newRow("the day after") << "4/1/1990" << QDate(2027, 4, 2) << true;
        QTest::newRow("two days after") << "4/1/1990" << QDate(2027, 4, 3) << false;
        QTest::newRow("29 Feb on 28 Feb, common year") << "2/29/1992" << QDate(2027, 2, 28) << true;
        QTest::newRow("29 Feb, the day after 28 Feb") << "2/29/1992" << QDate(2027, 3, 1) << true;
        QTest::newRow("29 Feb, leap year") << "2/29/1992" << QDate(2028, 2, 29) << true;
        QTest::newRow("29 Feb not on 28 Feb, leap year") << "2/29/1992" << QDate(2028, 2, 28) << false;
    }
    void birthdayReadNearItsYearlyDay()
    {
        QFETCH(QString, born);
        QFETCH(QDate, day);
        QFETCH(bool, read);
        db().insert(Table::Contact, { { 0, 1 }, { 1, "Ann" }, { 8, "5550001" } });
        db().insert(Table::Birthday, { { 1, 1 }, { 2, born }, { 3, 6 } });
        seedReminder(db(), 6, born);
        seedTask(db(), 2, "other day", 7);
        seedReminder(db(), 7, "1/5/2027");
        QCOMPARE(joinedReminders(db(), day).size(), read ? 1 : 0);
    }

    void groupedViewKeepsFirstAppearanceAndCodeOrder()
    {
        seedTask(db(), 3, "c", 0, "Business", "Low");
        seedTask(db(), 1, "a", 0, "Business", "High");
        seedTask(db(), 2, "b", 0, "Business", "Low");
        seedTask(db(), 4, "p", 0, "Personal", "Low");
        QStringList lines;
        for (const ViewGroup &group : groupedView(db(), taskView("Business"))) {
            lines << group.key;
            for (const QStringList &row : group.rows)
                lines << "  " + row[2] + " " + row[4] + " " + row[5];
        }
        QCOMPARE(lines,
            QStringList({ "High", "  a 12/7/2026 9:00:00", "Low", "  b 12/7/2026 9:00:00", "  c 12/7/2026 9:00:00" }));
    }

    void closedStoreAndDeletedRowsFailByNumber()
    {
        seedTask(db(), 1, "a");
        const qint64 rowid = db().records(Table::Task).first().rowid;
        db().remove(Table::Task, rowid);
        QCOMPARE(storeErrorOf([&] { db().remove(Table::Task, rowid); }), int(RecordDeleted));
        db().close();
        QCOMPARE(storeErrorOf([&] { db().records(Table::Task); }), int(ObjectInvalid));
    }

    void aWriteRefusedOnceSucceedsWhenTheStoreTakesItAgain()
    {
        const store::Values row{ { 0, 1 }, { 1, "a" } };
        db().insert(Table::Task, row); // prepares the statement that is kept for later rows
        db().run("PRAGMA query_only = ON");
        QCOMPARE(storeErrorOf([&] { db().insert(Table::Task, row); }), int(ReadOnly));
        db().run("PRAGMA query_only = OFF");
        db().insert(Table::Task, row);
        QCOMPARE(db().records(Table::Task).size(), 2);
        db().copyInto(m_dir.filePath("copy.db")); // no statement is left running
    }

    // Rows are written through SQLite itself; each value is stored as Qt's driver stores it.
    void writesStoreValuesAsQtDoes_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::newRow("text") << QVariant(QString("Zoë"));
        QTest::newRow("empty text") << QVariant(QString(""));
        QTest::newRow("null text") << QVariant(QString());
        QTest::newRow("no value") << QVariant();
        QTest::newRow("whole number") << QVariant(qint64(1) << 40);
        QTest::newRow("yes") << QVariant(true);
        QTest::newRow("fraction") << QVariant(2.5);
        QTest::newRow("bytes") << QVariant(QByteArray("\0\1", 2));
        QTest::newRow("no day") << QVariant(QDate());
        QTest::newRow("day") << QVariant(QDate(2026, 12, 10));
        QTest::newRow("time") << QVariant(QTime(9, 30, 5, 7));
        QTest::newRow("moment") << QVariant(QDateTime(QDate(2026, 12, 10), QTime(9, 30), Qt::UTC));
    }

    void writesStoreValuesAsQtDoes()
    {
        QFETCH(QVariant, value);
        db().run("CREATE TABLE kept (way TEXT, value)");
        db().run("INSERT INTO kept VALUES ('qt', ?)", { value });
        db().write("INSERT INTO kept VALUES ('ours', ?)", { value });
        QSqlQuery rows = db().run("SELECT typeof(value), quote(value) FROM kept ORDER BY way");
        QStringList stored;
        while (rows.next())
            stored << rows.value(0).toString() + ' ' + rows.value(1).toString();
        QCOMPARE(stored.size(), 2);
        QCOMPARE(stored[0], stored[1]);
    }

    void transactionKeepsAllOrNothing()
    {
        const int error = storeErrorOf([&] {
            Transaction t(db());
            seedReminder(db(), 1);
            db().insert(Table::Task, { { 0, 1 }, { 3, "not a date" } });
            t.commit();
        });
        QCOMPARE(error, int(ConversionFailed));
        QVERIFY(db().records(Table::Reminder).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "test_store.moc"
