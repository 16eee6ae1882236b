// SPDX-License-Identifier: MIT
#include "app/Frm_Main.h"
#include "reminders/Frm_Alert.h"
#include "reminders/ReminderScan.h"
#include "support/FreshProgramTest.h"
#include "support/ReminderRows.h"

#include <QLabel>

class TestBirthdayScan : public FreshProgramTest
{
    Q_OBJECT

    QString alertName()
    {
        auto *label = findIn<QLabel>(findWidget<Frm_Alert>("Frm_Alert"), "Lblname");
        return label && findWidget<Frm_Alert>("Frm_Alert")->isVisible() ? label->text() : QString();
    }

private slots:
    void raisedOnItsDayEveryYear_data()
    {
        QTest::addColumn<QString>("birthDate");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<bool>("raised");
        QTest::newRow("a later year") << "5/14/1990" << QDate(2027, 5, 14) << true;
        QTest::newRow("the day after") << "5/14/1990" << QDate(2027, 5, 15) << false;
        QTest::newRow("29 February on the 28th of a common year") << "2/29/1988" << QDate(2027, 2, 28) << true;
        QTest::newRow("29 February on 1 March of a common year") << "2/29/1988" << QDate(2027, 3, 1) << false;
        QTest::newRow("29 February in a leap year") << "2/29/1988" << QDate(2028, 2, 29) << true;
        QTest::newRow("the no-date value") << "1/3/1900" << QDate(2027, 1, 3) << false;
    }
    void raisedOnItsDayEveryYear()
    {
        QFETCH(QString, birthDate);
        QFETCH(QDate, day);
        QFETCH(bool, raised);
        const SeededReminder birthday { birthDate, "10 : 30 : 0", "/w/Birthday.wav", "Ann . Lee's Birthday", "" };
        ReminderRows(db()).contact("Ann", "5550002", &birthday);
        fakes().clock->set(day, QTime(10, 29, 59));
        p().start();
        ReminderScan &scan = p().app().mainWindow().reminderScan();
        scan.tick();
        QCOMPARE(alertName(), QString());
        fakes().clock->set(day, QTime(10, 30, 0));
        scan.tick();
        QCOMPARE(alertName(), raised ? QString("Ann . Lee's Birthday") : QString());
        QCOMPARE(fakes().sound->played, raised ? QStringList { "/w/Birthday.wav" } : QStringList {});
    }
};

QTEST_MAIN(TestBirthdayScan)
#include "test_birthday_scan.moc"
