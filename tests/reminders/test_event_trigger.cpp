// SPDX-License-Identifier: MIT
#include "app/Frm_Main.h"
#include "reminders/EventTrigger.h"
#include "reminders/Frm_Event.h"
#include "reminders/rules/EventRules.h"
#include "support/FreshProgramTest.h"

#include <QLabel>

namespace {
const QDate Today(2026, 12, 7);
}

class TestEventTrigger : public FreshProgramTest
{
    Q_OBJECT

    EventTrigger &trigger() { return p().app().mainWindow().eventTrigger(); }
    void seedEvent(const QString &name, const QVariant &date = "12/7/2026", const QVariant &time = "22 : 0 : 0")
    {
        db().insert(store::Table::Event, { { 1, name }, { 2, date }, { 3, time } });
    }
    void startAt(QTime time)
    {
        fakes().clock->set(Today, time);
        p().start();
    }
    void tickAt(QTime time)
    {
        fakes().clock->setTime(time);
        trigger().tick();
    }
    QString named()
    {
        Frm_Event *window = trigger().confirmation();
        return window ? findIn<QLabel>(window, "Label2")->text() : QStringLiteral("<none>");
    }

private slots:
    void raisedInItsSecondAndNoOther()
    {
        seedEvent("Shut Down Computer");
        seedEvent("Restart Computer", "12/8/2026");
        startAt(QTime(21, 59, 58));
        tickAt(QTime(21, 59, 59));
        QCOMPARE(named(), QStringLiteral("<none>"));
        tickAt(QTime(22, 0, 0));
        QCOMPARE(named(), QStringLiteral("Shut Down Computer"));
        Frm_Event *window = trigger().confirmation();
        QCOMPARE(window->size(), QSize(350, 186));
        QCOMPARE(findIn<QLabel>(window, "Label1")->text(), QStringLiteral("Event Name"));
        QCOMPARE(findIn<QLabel>(window, "Label3")->text(), QStringLiteral("Would You like To Continue"));

        // Cancelled, it is not offered again: not in its second's second tick, nor after a reload.
        clickOn(findIn<QWidget>(window, "lblcancel"));
        QVERIFY(!trigger().confirmation());
        trigger().tick();
        trigger().reload();
        trigger().tick();
        tickAt(QTime(22, 0, 1));
        QVERIFY(!trigger().confirmation());
        QVERIFY(fakes().systemExit->requested.isEmpty());
        QVERIFY(fakes().dialogs->shown.isEmpty());
    }

    void anEventStoredDuringItsSecondIsStillRaised()
    {
        startAt(QTime(21, 59, 59));
        tickAt(QTime(22, 0, 0));
        db().insert(store::Table::Event, { { 1, "Log Off" }, { 2, "12/7/2026" }, { 3, "22 : 0 : 0" } });
        p().app().context().announceStoreChange();
        trigger().tick();
        QCOMPARE(named(), QStringLiteral("Log Off"));
    }

    void anEventOnALaterDayIsRaisedOnItsDay()
    {
        seedEvent("Restart Computer", "12/8/2026");
        startAt(QTime(21, 59, 59));
        tickAt(QTime(22, 0, 0));
        QVERIFY(!trigger().confirmation());
        fakes().clock->set(Today.addDays(1), QTime(22, 0, 0));
        trigger().tick();
        QCOMPARE(named(), QStringLiteral("Restart Computer"));
    }

    // A tick late by seconds still asks; an event missed by a minute or more (the computer slept)
    // is not carried out late.
    void aMissedEventIsNotCarriedOutLate_data()
    {
        QTest::addColumn<QTime>("lateTick");
        QTest::addColumn<bool>("raised");
        QTest::newRow("59 seconds late") << QTime(22, 0, 59) << true;
        QTest::newRow("a minute late") << QTime(22, 1, 0) << false;
        QTest::newRow("hours late") << QTime(23, 30, 0) << false;
    }
    void aMissedEventIsNotCarriedOutLate()
    {
        QFETCH(QTime, lateTick);
        QFETCH(bool, raised);
        seedEvent("Log Off");
        startAt(QTime(21, 59, 59));
        tickAt(lateTick);
        QCOMPARE(trigger().confirmation() != nullptr, raised);
    }

    void severalInOneSecondNameTheLast()
    {
        seedEvent("Shut Down Computer");
        seedEvent("Hibernate");
        seedEvent("Log Off", "12/7/2026", "21 : 0 : 0");
        startAt(QTime(21, 59, 59));
        tickAt(QTime(22, 0, 0));
        QCOMPARE(named(), QStringLiteral("Hibernate"));
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(), [](QWidget *w) { return w->objectName() == "Frm_Event"; }), 1);
    }

    void rowsWithoutDateOrTimeAreNeverDue()
    {
        seedEvent("Shut Down Computer", QVariant(), "22 : 0 : 0");
        seedEvent("Restart Computer", "12/7/2026", QVariant());
        seedEvent("Hibernate", "1/3/1900", "1/3/1900");
        startAt(QTime(0, 0, 0));
        for (QTime t(0, 0, 0); t < QTime(23, 59, 0); t = t.addSecs(30))
            tickAt(t);
        QVERIFY(!trigger().confirmation());
        QVERIFY(fakes().dialogs->shown.isEmpty());
    }

    void confirmCarriesTheEventOut_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("flags");
        QTest::newRow("log off") << "Log Off" << QList<int> { 4 };
        QTest::newRow("shut down") << "Shut Down Computer" << QList<int> { 5 };
        QTest::newRow("restart") << "Restart Computer" << QList<int> { 7 };
        QTest::newRow("hibernate switches off") << "Hibernate" << QList<int> { 12 };
        QTest::newRow("case counts") << "log off" << QList<int> {};
        QTest::newRow("unknown name") << "Sleep" << QList<int> {};
    }
    void confirmCarriesTheEventOut()
    {
        QFETCH(QString, name);
        QFETCH(QList<int>, flags);
        seedEvent(name);
        startAt(QTime(21, 59, 59));
        tickAt(QTime(22, 0, 0));
        clickOn(findIn<QWidget>(trigger().confirmation(), "lblok"));
        QCOMPARE(fakes().systemExit->requested, flags);
        QCOMPARE(reminders::exitFlagsFor(name).has_value(), !flags.isEmpty());
        QVERIFY(trigger().confirmation());
        QVERIFY(fakes().dialogs->shown.isEmpty());
    }

    void aRefusedExitIsReported()
    {
        fakes().systemExit->refusal = "the system does not permit this user to do it";
        seedEvent("Restart Computer");
        startAt(QTime(21, 59, 59));
        tickAt(QTime(22, 0, 0));
        clickOn(findIn<QWidget>(trigger().confirmation(), "lblok"));
        QCOMPARE(fakes().dialogs->shown,
            QList<ShownMessage>({ { "Restart Computer could not be carried out: the system does not permit this user to do it.",
                MessageIcon::Warning, "Orrisday" } }));
        QVERIFY(trigger().confirmation());
    }

    void aClosedStoreEndsTheProgram()
    {
        startAt(QTime(21, 59, 59));
        p().app().db().close();
        tickAt(QTime(22, 0, 0));
        QCOMPARE(fakes().dialogs->shown,
            QList<ShownMessage>({ { "Orrisday Needs to be Restarted", MessageIcon::Information, "Orrisday" } }));
        QCOMPARE(fakes().lifecycle->ended, 1);
        QVERIFY(!trigger().isActive());
    }
};

QTEST_MAIN(TestEventTrigger)
#include "test_event_trigger.moc"
