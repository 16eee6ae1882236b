// SPDX-License-Identifier: MIT
#include "store/Database.h"
#include "store/DateTimeText.h"
#include "store/Views.h"

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

    QString file() const { return m_dir.filePath(QStringLiteral("sys/dll/sysks.dll")); }

    void addTask(qint64 code, const QString &name, const QString &date, const QString &category = QStringLiteral("Business"),
                 const QString &priority = QStringLiteral("High"), qint64 remNo = 0)
    {
        m_db->insert(Table::Task, {{0, code}, {1, name}, {2, name + QStringLiteral(" notes")}, {3, date},
                                   {4, QStringLiteral("9 : 0 : 0")}, {5, QStringLiteral("Not Started")},
                                   {6, priority}, {7, category}, {8, remNo}});
    }
    void addReminder(qint64 remNo, const QString &date = QStringLiteral("12/7/2026"))
    {
        m_db->insert(Table::Reminder, {{0, remNo}, {1, date}, {2, QStringLiteral("10 : 30 : 0")},
                                       {3, QString()}, {4, QStringLiteral("msg")}, {5, QString()}});
    }

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
        QSqlQuery q = m_db->run(QStringLiteral("SELECT * FROM TASK_INFO"));
        QSqlRecord rec = q.record();
        QStringList columns;
        for (int i = 0; i < rec.count(); ++i)
            columns << rec.fieldName(i);
        QCOMPARE(columns, QStringList({"TASK_CODE", "TASK_NAME", "TASK_DESCRIPTION", "TASK_DATE", "TASK_TIME",
                                       "TASK_STATUS", "TASK_PRIORITY", "TASK_CATEGORY", "rem_no"}));
        const QStringList tables{"TASK_INFO", "SCHEDULE_INFO", "NOTE_INFO", "CONTACT_INFO",
                                 "BIRTHDAY_INFO", "REMINDER_INFO", "EVENT_INFO"};
        const QList<int> widths{9, 11, 6, 24, 4, 6, 4};
        for (int i = 0; i < tables.size(); ++i)
            QCOMPARE(m_db->run(QStringLiteral("SELECT * FROM ") + tables[i]).record().count(), widths[i]);
    }

    void writtenTextsConvert_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("picked date") << "12/7/2026" << "2026-12-07" << "12/7/2026";
        QTest::newRow("no-date value") << "1/3/1900" << "1900-01-03" << "1/3/1900";
        QTest::newRow("picked time") << "10 : 5 : 33" << "10:05:33" << "10:05:33";
        QTest::newRow("plain time") << "7:04:09" << "07:04:09" << "7:04:09";
        QTest::newRow("hour and minute") << "14  :  5" << "14:05:00" << "14:05:00";
        QTest::newRow("date and time") << "3/5/2027 8:00:01" << "2027-03-05 08:00:01" << "3/5/2027 8:00:01";
        QTest::newRow("canonical") << "2026-01-31" << "2026-01-31" << "1/31/2026";
        QTest::newRow("blanks around") << "  12/7/2026 " << "2026-12-07" << "12/7/2026";
    }
    void writtenTextsConvert()
    {
        QFETCH(QString, written);
        QFETCH(QString, stored);
        QFETCH(QString, readBack);
        QCOMPARE(toStored(written).value_or(QStringLiteral("<refused>")), stored);
        m_db->insert(Table::Reminder, {{0, 1}, {1, written}});
        const Record row = m_db->records(Table::Reminder).first();
        QCOMPARE(row.values[1].toString(), stored);
        QCOMPARE(row.text(1), readBack);
    }

    void refusedTextsFailWith3421_data()
    {
        QTest::addColumn<QString>("written");
        QTest::newRow("empty") << "";
        QTest::newRow("blank") << " ";
        QTest::newRow("word") << "tomorrow";
        QTest::newRow("day first beyond 12") << "13/1/2026";
        QTest::newRow("no such day") << "2/30/2026";
        QTest::newRow("hour 24") << "24 : 0 : 0";
        QTest::newRow("typed junk after date") << "12/7/2026x";
    }
    void refusedTextsFailWith3421()
    {
        QFETCH(QString, written);
        try {
            m_db->insert(Table::Task, {{0, 1}, {3, written}});
            QFAIL("the write was accepted");
        } catch (const Error &e) {
            QCOMPARE(e.code(), int(ConversionFailed));
        }
        QVERIFY(m_db->records(Table::Task).isEmpty());
    }

    void nextNumberFollowsTheLastRow_data()
    {
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<int>("next");
        QTest::newRow("empty table") << QList<int>{} << 1;
        QTest::newRow("last row, not the largest") << QList<int>{7, 3} << 4;
        QTest::newRow("renumbered in place collides") << QList<int>{4, 2, 3} << 5;
    }
    void nextNumberFollowsTheLastRow()
    {
        QFETCH(QList<int>, codes);
        QFETCH(int, next);
        for (int code : codes)
            addReminder(code);
        QCOMPARE(m_db->nextNumber(Table::Reminder), qint64(next));
    }

    void freedLastNumberIsGivenAgain()
    {
        addTask(1, "a", "12/7/2026");
        addTask(2, "b", "12/7/2026");
        m_db->remove(Table::Task, m_db->records(Table::Task).last().rowid);
        QCOMPARE(m_db->nextNumber(Table::Task), qint64(2));
    }

    void joinedSourcesPairOwnersWithTheirReminders()
    {
        addTask(1, "without reminder", "12/7/2026");
        addTask(2, "with reminder", "12/7/2026", "Business", "High", 5);
        addReminder(5);
        for (int i = 1; i <= 20; ++i)
            m_db->insert(Table::Contact, {{0, i}, {1, QStringLiteral("First%1").arg(i)}, {8, QStringLiteral("55%1").arg(i)}});
        m_db->insert(Table::Birthday, {{1, 13}, {2, "4/1/1990"}, {3, 6}});
        addReminder(6);
        const QList<JoinedReminder> rows = joinedReminders(*m_db);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].kind, ReminderKind::Task);
        QCOMPARE(rows[0].ownerName, QStringLiteral("with reminder"));
        QCOMPARE(rows[0].time, QTime(10, 30, 0));
        QCOMPARE(rows[1].kind, ReminderKind::Birthday);
        QCOMPARE(rows[1].contactMobile, QStringLiteral("5513"));
    }

    void groupedViewKeepsFirstAppearanceAndCodeOrder()
    {
        addTask(3, "c", "12/7/2026", "Business", "Low");
        addTask(1, "a", "12/7/2026", "Business", "High");
        addTask(2, "b", "12/7/2026", "Business", "Low");
        addTask(4, "p", "12/7/2026", "Personal", "Low");
        const QList<ViewGroup> groups = groupedView(*m_db, taskView(QStringLiteral("Business")));
        QCOMPARE(groups.size(), 2);
        QCOMPARE(groups[0].key, QStringLiteral("High"));
        QCOMPARE(groups[1].key, QStringLiteral("Low"));
        QCOMPARE(groups[1].rows.size(), 2);
        QCOMPARE(groups[1].rows[0][2], QStringLiteral("b"));
        QCOMPARE(groups[1].rows[1][2], QStringLiteral("c"));
        QCOMPARE(groups[1].rows[1][4], QStringLiteral("12/7/2026"));
        QCOMPARE(groups[1].rows[1][5], QStringLiteral("9:00:00"));
    }

    void closedStoreAndDeletedRowsFailByNumber()
    {
        addTask(1, "a", "12/7/2026");
        const qint64 rowid = m_db->records(Table::Task).first().rowid;
        m_db->remove(Table::Task, rowid);
        try {
            m_db->remove(Table::Task, rowid);
            QFAIL("deleted twice");
        } catch (const Error &e) {
            QCOMPARE(e.code(), int(RecordDeleted));
        }
        m_db->close();
        try {
            m_db->records(Table::Task);
            QFAIL("read after close");
        } catch (const Error &e) {
            QCOMPARE(e.code(), int(ObjectInvalid));
        }
    }

    void transactionKeepsAllOrNothing()
    {
        try {
            Transaction t(*m_db);
            addReminder(1);
            m_db->insert(Table::Task, {{0, 1}, {3, QStringLiteral("not a date")}});
            t.commit();
        } catch (const Error &) {
        }
        QVERIFY(m_db->records(Table::Reminder).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "test_store.moc"
