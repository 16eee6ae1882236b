// SPDX-License-Identifier: MIT
#include "store/Database.h"
#include "store/Repeats.h"
#include "store/Views.h"

#include <QTemporaryDir>
#include <QTest>

using namespace store;

class TestRepeats : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<Database> m_db;

    Database &db() { return *m_db; }

    qint64 task(const char *date) { return db().insert(Table::Task, { { 0, 1 }, { 1, "Stand-up" }, { 3, date } }); }

    static Repeat weekly(QDate until = {})
    {
        RepeatRule rule;
        rule.frequency = Frequency::Weekly;
        rule.weekdays = { Qt::Monday, Qt::Wednesday, Qt::Friday };
        rule.until = until;
        return { rule, {} };
    }

    QList<qint64> seriesRows(Table table, QDate from)
    {
        QList<qint64> rows;
        for (const Series &series : seriesFrom(db(), table, from))
            rows << series.rowid;
        std::sort(rows.begin(), rows.end());
        return rows;
    }

    int rowsOf(const char *table)
    {
        QSqlQuery count = db().run(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table)));
        count.next();
        return count.value(0).toInt();
    }

private slots:
    void init() { m_db = std::make_unique<Database>(m_dir.filePath(QStringLiteral("store.db"))); }
    void cleanup()
    {
        m_db.reset();
        QFile::remove(m_dir.filePath(QStringLiteral("store.db")));
    }

    void aSeriesIsKeptChangedAndRemoved()
    {
        const qint64 row = task("3/2/2026");
        QVERIFY(!repeatOf(db(), Table::Task, row));
        setRepeat(db(), Table::Task, row, QDate(2026, 3, 2), weekly(QDate(2026, 3, 31)));
        addException(db(), Table::Task, row, QDate(2026, 3, 9));
        addException(db(), Table::Task, row, QDate(2026, 3, 4));
        Repeat expected = weekly(QDate(2026, 3, 31));
        expected.exceptions = { QDate(2026, 3, 4), QDate(2026, 3, 9) };
        QCOMPARE(repeatOf(db(), Table::Task, row), expected);
        QVERIFY(!repeatOf(db(), Table::Schedule, row));
        setRepeat(db(), Table::Task, row, QDate(2026, 3, 2), std::nullopt);
        QVERIFY(!repeatOf(db(), Table::Task, row));
    }

    // The scan keeps what it read of the series until they or their reminders' days change: every
    // change that matters is seen at the next read, and one that does not still shows. A weekly
    // Monday series from Monday 7 December, its reminder that day, read on the 8th and the 10th.
    void seriesRemindersFollowEachChange_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QStringList>("due");
        QTest::newRow("none") << "" << QStringList { "Stand-up 2026-12-07" };
        QTest::newRow("renamed") << "UPDATE TASK_INFO SET TASK_NAME = 'Sit-down'" << QStringList { "Sit-down 2026-12-07" };
        QTest::newRow("reminder two days later")
            << "UPDATE REMINDER_INFO SET rem_date = '2026-12-09'" << QStringList { "Stand-up 2026-12-09" };
        QTest::newRow("daily") << "daily"
                               << QStringList { "Stand-up 2026-12-07", "Stand-up 2026-12-08", "Stand-up 2026-12-09",
                                      "Stand-up 2026-12-10" };
        QTest::newRow("reminder let go") << "UPDATE TASK_INFO SET rem_no = 0" << QStringList();
        QTest::newRow("reminder deleted") << "DELETE FROM REMINDER_INFO" << QStringList();
    }
    void seriesRemindersFollowEachChange()
    {
        QFETCH(QString, change);
        QFETCH(QStringList, due);
        db().insert(Table::Reminder, { { 0, 1 }, { 1, "12/7/2026" }, { 2, "8 : 45 : 0" } });
        const qint64 row = db().insert(Table::Task, { { 0, 1 }, { 1, "Stand-up" }, { 3, "12/7/2026" }, { 8, 1 } });
        Repeat mondays = weekly();
        mondays.rule.weekdays = { Qt::Monday };
        setRepeat(db(), Table::Task, row, QDate(2026, 12, 7), mondays);
        auto dueNear = [&] {
            QStringList found;
            for (const QDate day : { QDate(2026, 12, 8), QDate(2026, 12, 10) })
                for (const JoinedReminder &reminder : joinedReminders(db(), day))
                    found << reminder.ownerName + reminder.date.toString(QStringLiteral(" yyyy-MM-dd"));
            return found;
        };
        QCOMPARE(dueNear(), QStringList { "Stand-up 2026-12-07" });
        if (change == "daily")
            setRepeat(db(), Table::Task, row, QDate(2026, 12, 7), Repeat { RepeatRule {}, {} });
        else if (!change.isEmpty())
            db().run(change);
        QCOMPARE(dueNear(), due);
    }

    void seriesFromLeavesOutEndedSeries()
    {
        const qint64 endless = task("3/2/2026");
        const qint64 ended = task("3/2/2026");
        const qint64 endsLater = task("3/2/2026");
        setRepeat(db(), Table::Task, endless, QDate(2026, 3, 2), weekly());
        setRepeat(db(), Table::Task, ended, QDate(2026, 3, 2), weekly(QDate(2026, 3, 12)));
        setRepeat(db(), Table::Task, endsLater, QDate(2026, 3, 2), weekly(QDate(2026, 4, 30)));
        // The last occurrence of the one that ended is on Wednesday 11 March.
        QCOMPARE(seriesRows(Table::Task, QDate(2026, 3, 11)), QList<qint64>({ endless, ended, endsLater }));
        QCOMPARE(seriesRows(Table::Task, QDate(2026, 3, 12)), QList<qint64>({ endless, endsLater }));
        QCOMPARE(seriesRows(Table::Schedule, QDate(2026, 3, 12)), QList<qint64>());
    }

    void rowsGoWithTheirRecord()
    {
        const qint64 series = task("3/2/2026");
        const qint64 moved = task("3/5/2026");
        const qint64 other = task("3/2/2026");
        setRepeat(db(), Table::Task, series, QDate(2026, 3, 2), weekly());
        setRepeat(db(), Table::Task, other, QDate(2026, 3, 2), weekly());
        linkOccurrence(db(), Table::Task, moved, { series, QDate(2026, 3, 4) });
        QCOMPARE(occurrenceLinkOf(db(), Table::Task, moved)->day, QDate(2026, 3, 4));
        QCOMPARE(occurrenceLinkOf(db(), Table::Task, moved)->series, series);

        db().remove(Table::Task, series);
        QVERIFY(!repeatOf(db(), Table::Task, series));
        QVERIFY(!occurrenceLinkOf(db(), Table::Task, moved));
        QVERIFY(repeatOf(db(), Table::Task, other));

        linkOccurrence(db(), Table::Task, moved, { other, QDate(2026, 3, 4) });
        db().remove(Table::Task, moved);
        QCOMPARE(rowsOf("RECORD_OCCURRENCE"), 0);
        db().remove(Table::Task, other);
        QCOMPARE(rowsOf("RECORD_REPEAT"), 0);
    }

    void aScheduleIsNotATask()
    {
        const qint64 row = db().insert(Table::Schedule, { { 0, 1 }, { 1, "Gym" } });
        setRepeat(db(), Table::Schedule, row, QDate(2026, 3, 2), weekly());
        const qint64 sameNumber = task("3/2/2026");
        QCOMPARE(sameNumber, row);
        db().remove(Table::Task, sameNumber);
        QVERIFY(repeatOf(db(), Table::Schedule, row));
        db().remove(Table::Schedule, row);
        QVERIFY(!repeatOf(db(), Table::Schedule, row));
    }
};

QTEST_GUILESS_MAIN(TestRepeats)
#include "test_repeats.moc"
