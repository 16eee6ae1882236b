// SPDX-License-Identifier: MIT
#include "contacts/rules/ContactRules.h"
#include "reminders/rules/ReminderRules.h"

#include <QTest>

using contacts::ReminderStep;
Q_DECLARE_METATYPE(ReminderStep)

class TestContactRules : public QObject
{
    Q_OBJECT

private slots:
    void reminderStepOnUpdate_data()
    {
        QTest::addColumn<bool>("hasReminder");
        QTest::addColumn<bool>("rowExists");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<ReminderStep>("step");
        QTest::newRow("none, ticked") << false << false << true << ReminderStep::Add;
        QTest::newRow("none, unticked") << false << false << false << ReminderStep::Keep;
        QTest::newRow("has one, ticked") << true << true << true << ReminderStep::Renumber;
        QTest::newRow("has one, unticked") << true << true << false << ReminderStep::Remove;
        QTest::newRow("row gone, ticked") << true << false << true << ReminderStep::Untouched;
        QTest::newRow("row gone, unticked") << true << false << false << ReminderStep::Untouched;
    }
    void reminderStepOnUpdate()
    {
        QFETCH(bool, hasReminder);
        QFETCH(bool, rowExists);
        QFETCH(bool, ticked);
        QFETCH(ReminderStep, step);
        QCOMPARE(contacts::reminderStep(hasReminder, rowExists, ticked), step);
    }

    void storedDefaults()
    {
        const contacts::FilledEntries filled = contacts::withStoredDefaults({ "", "0777", "", "12", "  " });
        QCOMPARE(QStringList({ filled.phone, filled.mobile, filled.companyPhone, filled.fax, filled.birthDate }),
            QStringList({ "0", "0777", "0", "12", "1/3/1900" }));
        QCOMPARE(contacts::withStoredDefaults({ "1", "2", "3", "4", " 5/14/1990 " }).birthDate, QString("5/14/1990"));
        QCOMPARE(contacts::birthDateShown("1/3/1900"), QString());
        QCOMPARE(contacts::birthDateShown("1/3/1901"), QString("1/3/1901"));
    }

    void birthdayDueDays_data()
    {
        QTest::addColumn<QDate>("stored");
        QTest::addColumn<bool>("yearly");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QDate>("due"); // invalid: due on neither the day nor the one before
        const QDate none;
        QTest::newRow("birthday in a later year") << QDate(1990, 5, 14) << true << QDate(2027, 5, 14) << QDate(2027, 5, 14);
        QTest::newRow("birthday yesterday (caught up over midnight)")
            << QDate(1990, 5, 14) << true << QDate(2027, 5, 15) << QDate(2027, 5, 14);
        QTest::newRow("birthday over new year") << QDate(1990, 12, 31) << true << QDate(2027, 1, 1) << QDate(2026, 12, 31);
        QTest::newRow("not the birthday") << QDate(1990, 5, 14) << true << QDate(2027, 5, 16) << none;
        QTest::newRow("29 February in a common year: on the 28th")
            << QDate(1988, 2, 29) << true << QDate(2027, 2, 28) << QDate(2027, 2, 28);
        QTest::newRow("29 February in a common year: not on 1 March")
            << QDate(1988, 2, 29) << true << QDate(2027, 3, 2) << none;
        QTest::newRow("29 February in a leap year: on the 29th")
            << QDate(1988, 2, 29) << true << QDate(2028, 2, 29) << QDate(2028, 2, 29);
        QTest::newRow("29 February in a leap year: not on the 28th")
            << QDate(1988, 2, 29) << true << QDate(2028, 2, 28) << none;
        QTest::newRow("not before the stored year") << QDate(2030, 5, 14) << true << QDate(2027, 5, 14) << none;
        QTest::newRow("no-date birthday") << QDate(1900, 1, 3) << true << QDate(2027, 1, 3) << none;
        QTest::newRow("no-date task reminder, even on its day") << QDate(1900, 1, 3) << false << QDate(1900, 1, 3)
                                                                 << none;
        QTest::newRow("task reminder: its own day only") << QDate(2026, 5, 14) << false << QDate(2027, 5, 14) << none;
        QTest::newRow("task reminder on its day") << QDate(2026, 5, 14) << false << QDate(2026, 5, 14)
                                                  << QDate(2026, 5, 14);
        QTest::newRow("no day stored") << QDate() << true << QDate(2026, 5, 14) << none;
    }
    void birthdayDueDays()
    {
        QFETCH(QDate, stored);
        QFETCH(bool, yearly);
        QFETCH(QDate, day);
        QFETCH(QDate, due);
        QCOMPARE(reminders::dueDayNear(stored, yearly, day), due);
    }
};

QTEST_GUILESS_MAIN(TestContactRules)
#include "test_contact_rules.moc"
