// SPDX-License-Identifier: MIT
#include "store/Database.h"
#include "store/Repeats.h"

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
