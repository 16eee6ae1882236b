// SPDX-License-Identifier: MIT
#include "store/Database.h"
#include "widgets/rules/RecordKey.h"

#include <QTemporaryDir>
#include <QTest>

using records::RecordKey;

class TestRecordKey : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<store::Database> m_db;

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<store::Database>(m_dir.filePath(QStringLiteral("keys.db")));
        m_db->insert(store::Table::Task, {{0, 1}, {1, QStringLiteral("Dentist")}, {3, QStringLiteral("12/7/2026")},
                                          {4, QStringLiteral("9 : 5 : 0")}});
    }
    void cleanupTestCase() { m_db.reset(); }

    void rowsMatchByTheirTextsAsReadBack_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<bool>("matches");
        QTest::newRow("texts as read back") << "Dentist" << "12/7/2026" << "9:05:00" << true;
        QTest::newRow("time as typed") << "Dentist" << "12/7/2026" << "9 : 5 : 0" << false;
        QTest::newRow("padded date") << "Dentist" << "12/07/2026" << "9:05:00" << false;
        QTest::newRow("name with a blank") << "Dentist " << "12/7/2026" << "9:05:00" << false;
        QTest::newRow("other case") << "dentist" << "12/7/2026" << "9:05:00" << false;
        QTest::newRow("empty key") << "" << "" << "" << false;
    }
    void rowsMatchByTheirTextsAsReadBack()
    {
        QFETCH(QString, name);
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(bool, matches);
        const QList<store::Record> rows = m_db->records(store::Table::Task);
        QCOMPARE(records::matchesKey(rows.first(), RecordKey{name, date, time}), matches);
        QCOMPARE(records::matchingRows(rows, RecordKey{name, date, time}).size(), matches ? 1 : 0);
    }
};

QTEST_MAIN(TestRecordKey)
#include "test_recordkey.moc"
