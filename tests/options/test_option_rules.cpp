// SPDX-License-Identifier: MIT
#include "options/rules/BackupName.h"
#include "options/rules/EventEntry.h"

#include <QLocale>
#include <QTest>

using namespace options;

class TestOptionRules : public QObject
{
    Q_OBJECT

private slots:
    void backupFileName_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("name");
        QTest::newRow("a Monday") << QDate(2026, 12, 7) << "Monday, Dec 7 2026.mdb";
        QTest::newRow("no leading zero, long weekday") << QDate(2027, 3, 3) << "Wednesday, Mar 3 2027.mdb";
        QTest::newRow("leap day") << QDate(2028, 2, 29) << "Tuesday, Feb 29 2028.mdb";
    }
    void backupFileName()
    {
        QFETCH(QDate, day);
        QFETCH(QString, name);
        // English whatever the user's language.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(options::backupFileName(day), name);
        QLocale::setDefault(QLocale::c());
    }

    void eventTimeToStore_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("picked");
        QTest::addColumn<QString>("stored");
        QTest::newRow("hour and minute of the pick") << "23 : 5" << "23 : 5 : 40" << "23 : 5 : 40";
        QTest::newRow("the time an event choice shows") << "8:03:00" << "8:03:00" << "8:03:00";
        QTest::newRow("emptied box: refused by the store") << "" << "9 : 0 : 11" << "";
        QTest::newRow("typed over the pick") << "10:15" << "23 : 5 : 40" << "10:15";
        QTest::newRow("not a prefix by digits") << "23 : 50" << "23 : 5 : 40" << "23 : 50";
    }
    void eventTimeToStore()
    {
        QFETCH(QString, shown);
        QFETCH(QString, picked);
        QFETCH(QString, stored);
        QCOMPARE(options::eventTimeToStore(shown, picked), stored);
    }

    void momentHasPassed_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<bool>("passed");
        // Now: 12/7/2026 10:00:00.600
        QTest::newRow("a second ago") << "12/7/2026" << "9 : 59 : 59" << true;
        QTest::newRow("the current second") << "12/7/2026" << "10 : 0 : 0" << false;
        QTest::newRow("later today") << "12/7/2026" << "10:00:01" << false;
        QTest::newRow("yesterday, later hour") << "12/6/2026" << "23 : 0 : 0" << true;
        QTest::newRow("tomorrow, earlier hour") << "12/8/2026" << "1 : 0 : 0" << false;
        QTest::newRow("no date: left to the store") << "" << "9 : 0 : 0" << false;
        QTest::newRow("no time: left to the store") << "12/6/2026" << "soon" << false;
    }
    void momentHasPassed()
    {
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(bool, passed);
        const QDateTime now(QDate(2026, 12, 7), QTime(10, 0, 0, 600));
        QCOMPARE(options::momentHasPassed(date, time, now), passed);
    }
};

QTEST_GUILESS_MAIN(TestOptionRules)
#include "test_option_rules.moc"
