// SPDX-License-Identifier: MIT
#include "app/Frm_Main.h"
#include "reminders/Frm_Alert.h"
#include "reminders/ReminderScan.h"
#include "store/Repeats.h"
#include "support/FreshProgramTest.h"
#include "support/ReminderRows.h"

#include <QLabel>
#include <QTimer>

namespace {

const QDate Today(2026, 12, 7);

SeededReminder dueAt(const QString &message, const QString &sound = {}, const QString &program = {},
    const QString &time = "10 : 30 : 0", const QString &date = "12/7/2026")
{
    return SeededReminder { date, time, sound, message, program };
}

QString labelText(const QString &name)
{
    auto *label = findIn<QLabel>(findWidget<Frm_Alert>("Frm_Alert"), name);
    return label ? label->text() : QStringLiteral("<no alert>");
}

/// The alert's title, name and description.
QStringList alertTexts()
{
    return { labelText("lbltitle"), labelText("Lblname"), labelText("lbldesp") };
}

} // namespace

class TestReminderScan : public FreshProgramTest
{
    Q_OBJECT

    ReminderRows rows() { return ReminderRows(db()); }
    ReminderScan &scan() { return p().app().mainWindow().reminderScan(); }
    QStringList &played() { return fakes().sound->played; }
    QList<QPair<QString, QString>> &opened() { return fakes().shell->opened; }

    void startAt(QTime time)
    {
        fakes().clock->set(Today, time);
        p().start();
    }
    /// How long the scan's timer waits, or -1 when it is off.
    int armedMsecs()
    {
        auto *timer = scan().findChild<QTimer *>("Timer_popup");
        return timer && timer->isActive() ? timer->interval() : -1;
    }
    void tickAt(QTime time, QDate day = Today)
    {
        fakes().clock->set(day, time);
        scan().tick();
    }

private slots:
    void dueDuringItsSecondOnly()
    {
        rows().task("Call the bank", dueAt("Please Check This Out", "/w/a.wav"));
        rows().task("Tomorrow's", dueAt("later", "/w/b.wav", {}, "10 : 30 : 0", "12/8/2026"));
        rows().task("Never", dueAt("no date", "/w/c.wav", {}, "1/3/1900", "1/3/1900"));
        startAt(QTime(10, 29, 58));
        tickAt(QTime(10, 29, 59));
        QVERIFY(!findWidget<Frm_Alert>("Frm_Alert"));

        tickAt(QTime(10, 30, 0));
        QCOMPARE(alertTexts(), QStringList({ "Task Alert", "Call the bank", "Please Check This Out" }));
        QCOMPARE(played(), QStringList { "/w/a.wav" });
        tickAt(QTime(10, 30, 1));
        tickAt(QTime(11, 0, 0));
        QCOMPARE(played(), QStringList { "/w/a.wav" });

        // The next day's reminder rises on its own day.
        tickAt(QTime(10, 29, 59), Today.addDays(1));
        tickAt(QTime(10, 30, 0), Today.addDays(1));
        QCOMPARE(played(), QStringList({ "/w/a.wav", "/w/b.wav" }));
        QCOMPARE(labelText("Lblname"), QStringLiteral("Tomorrow's"));
        QVERIFY(fakes().dialogs->shown.isEmpty());
    }

    void raisedOnceThoughTicksComeLateOrTwice_data()
    {
        QTest::addColumn<QTime>("start");
        QTest::addColumn<QList<QTime>>("ticks");
        QTest::addColumn<int>("raised");
        const QTime before(10, 29, 58);
        using Ticks = QList<QTime>;
        QTest::newRow("two ticks in its second")
            << before << Ticks { { 10, 30, 0 }, { 10, 30, 0 }, { 10, 30, 1 } } << 1;
        QTest::newRow("tick 3 s late") << before << Ticks { { 10, 29, 59 }, { 10, 30, 3 }, { 10, 30, 3 } } << 1;
        QTest::newRow("tick a minute late") << before << Ticks { { 10, 29, 59 }, { 10, 30, 59 } } << 1;
        QTest::newRow("tick an hour late") << before << Ticks { { 10, 29, 59 }, { 11, 31, 1 } } << 1;
        QTest::newRow("started in its second") << QTime(10, 30, 0) << Ticks { { 10, 30, 0 }, { 10, 30, 1 } } << 1;
        QTest::newRow("started after it") << QTime(10, 30, 1) << Ticks { { 10, 30, 1 }, { 10, 30, 2 } } << 0;
        QTest::newRow("clock went back past it")
            << before << Ticks { { 10, 30, 0 }, { 10, 29, 59 }, { 10, 30, 0 } } << 1;
    }
    void raisedOnceThoughTicksComeLateOrTwice()
    {
        QFETCH(QTime, start);
        QFETCH(QList<QTime>, ticks);
        QFETCH(int, raised);
        rows().task("Pay rent", dueAt("now", "/w/a.wav", "/opt/x/run"));
        startAt(start);
        for (QTime time : ticks)
            tickAt(time);
        QCOMPARE(played().size(), raised);
        QCOMPARE(opened().size(), raised);
    }

    void lastOfTaskScheduleAndNoteStaysWithLastSound_data()
    {
        // clang-format off
        QTest::addColumn<QString>("scheduleSound");
        QTest::addColumn<QString>("noteSound");
        QTest::addColumn<QString>("lastSound");
        QTest::newRow("note's") << "/w/s.wav" << "/w/n.wav" << "/w/n.wav";
        QTest::newRow("schedule's") << "/w/s.wav" << "" << "/w/s.wav";
        QTest::newRow("task's") << "No Sound" << "" << "/w/t.wav";
        // clang-format on
    }
    void lastOfTaskScheduleAndNoteStaysWithLastSound()
    {
        QFETCH(QString, scheduleSound);
        QFETCH(QString, noteSound);
        QFETCH(QString, lastSound);
        // Seeded in reverse, so the order comes from the kinds, not from the rows.
        rows().note("Shopping list", dueAt("milk", noteSound));
        rows().schedule("Dentist", dueAt("bring card", scheduleSound));
        rows().task("Report", dueAt("send it", "/w/t.wav"));
        startAt(QTime(10, 29, 59));
        tickAt(QTime(10, 30, 0));
        QCOMPARE(alertTexts(), QStringList({ "Note Alert", "Shopping list", "milk" }));
        QCOMPARE(played().first(), QStringLiteral("/w/t.wav"));
        QCOMPARE(played().last(), lastSound);
    }

    // A task repeating from Sunday 6 December with its reminder at 10:15 is reminded at 10:15 of each
    // occurrence; a sleep over several raises only the last, once.
    void eachOccurrenceIsReminded_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<QList<QDateTime>>("ticks");
        QTest::addColumn<int>("raised");
        const auto at = [](int day, QTime time) { return QDateTime(QDate(2026, 12, day), time); };
        const QTime before(10, 14, 59), due(10, 15, 0), after(10, 15, 1);
        using Ticks = QList<QDateTime>;
        QTest::newRow("second, at its second") << "FREQ=DAILY" << at(7, QTime(10, 0)) << Ticks { at(7, before), at(7, due), at(7, after) } << 1;
        QTest::newRow("second and third") << "FREQ=DAILY" << at(7, QTime(10, 0))
                                          << Ticks { at(7, due), at(8, before), at(8, due) } << 2;
        QTest::newRow("after a restart") << "FREQ=DAILY" << at(9, QTime(10, 15, 1)) << Ticks { at(9, after), at(10, due) } << 1;
        QTest::newRow("asleep over three") << "FREQ=DAILY" << at(6, QTime(10, 0)) << Ticks { at(9, QTime(11, 0)) } << 1;
        QTest::newRow("not on other weekdays") << "FREQ=WEEKLY" << at(7, QTime(10, 0))
                                               << Ticks { at(7, due), at(8, due), at(13, before), at(13, due) } << 1;
        QTest::newRow("not after its count") << "FREQ=DAILY;COUNT=2" << at(7, QTime(10, 0)) << Ticks { at(7, due), at(8, due) } << 1;
    }

    void eachOccurrenceIsReminded()
    {
        QFETCH(QString, rule);
        QFETCH(QDateTime, start);
        QFETCH(QList<QDateTime>, ticks);
        QFETCH(int, raised);
        const QDate first(2026, 12, 6);
        rows().task("Stretch", dueAt("now", "/w/a.wav", {}, "10 : 15 : 0", "12/6/2026"));
        store::setRepeat(db(), store::Table::Task, db().records(store::Table::Task).last().rowid, first,
            store::Repeat { *store::fromRRule(rule, first), {} });
        fakes().clock->set(start.date(), start.time());
        p().start();
        for (const QDateTime &tick : ticks)
            tickAt(tick.time(), tick.date());
        QCOMPARE(played().size(), raised);
    }

    void everyTaskDueTogetherIsRaised()
    {
        rows().task("First", dueAt("one", {}, "/opt/a/first"));
        rows().task("Second", dueAt("two", {}, "/opt/b/second"));
        rows().task("Other time", dueAt("three", {}, "/opt/c/third", "10 : 31 : 0"));
        startAt(QTime(10, 29, 59));
        tickAt(QTime(10, 30, 0));
        QCOMPARE(
            opened(), (QList<QPair<QString, QString>> { { "/opt/a/first", "/opt/a" }, { "/opt/b/second", "/opt/b" } }));
        QCOMPARE(alertTexts(), QStringList({ "Task Alert", "Second", "two" }));
        // A late tick raises what came due in between, in order of time.
        tickAt(QTime(10, 31, 2));
        QCOMPARE(opened().size(), 3);
        QCOMPARE(labelText("Lblname"), QStringLiteral("Other time"));
    }

    void birthdayShowsItsOwnContactsMobile()
    {
        rows().contact("Ann", "5550001");
        const SeededReminder birthday = dueAt("Bob Smith's Birthday", "/w/Birthday.wav", "/opt/never");
        rows().contact("Bob", "5550002", &birthday);
        const SeededReminder otherDay = dueAt("Cid Smith's Birthday", {}, {}, "10 : 30 : 0", "3/1/2027");
        rows().contact("Cid", "5550003", &otherDay);
        for (int i = 4; i < 40; ++i)
            rows().contact(QStringLiteral("Friend %1").arg(i), QStringLiteral("55500%1").arg(i));
        startAt(QTime(10, 29, 59));
        tickAt(QTime(10, 30, 0));
        QCOMPARE(alertTexts(), QStringList({ "Birthday Alert", "Bob Smith's Birthday", "Contact Phone No : 5550002" }));
        QCOMPARE(played(), QStringList { "/w/Birthday.wav" });
        QVERIFY(opened().isEmpty());
    }

    void noSoundOrProgramOnlySetsTheLabels_data()
    {
        // clang-format off
        QTest::addColumn<QString>("sound");
        QTest::addColumn<QString>("program");
        QTest::newRow("empty") << "" << "";
        QTest::newRow("blank") << "  " << "  ";
        QTest::newRow("chosen none") << "No Sound" << "No Prg";
        // clang-format on
    }
    void noSoundOrProgramOnlySetsTheLabels()
    {
        QFETCH(QString, sound);
        QFETCH(QString, program);
        rows().schedule("Meeting", dueAt("", sound, program));
        startAt(QTime(10, 29, 59));
        tickAt(QTime(10, 30, 0));
        QCOMPARE(alertTexts(), QStringList({ "Schedule Alert", "Meeting", "" }));
        QVERIFY(played().isEmpty());
        QVERIFY(opened().isEmpty());
    }

    void reloadReadsChangesAndRestartsTheTimer()
    {
        rows().task("Old", dueAt("old", "/w/old.wav"));
        startAt(QTime(10, 29, 0));
        QVERIFY(scan().isActive());
        scan().stop();
        db().run("DELETE FROM TASK_INFO");
        rows().note("New", dueAt("new", "/w/new.wav"));
        p().app().mainWindow().reload();
        QVERIFY(scan().isActive());
        tickAt(QTime(10, 30, 0));
        QCOMPARE(played(), QStringList { "/w/new.wav" });
    }

    void reloadArmsTheTimerForTheNextDueSecond()
    {
        rows().task("Old", dueAt("old", "/w/old.wav"));
        startAt(QTime(10, 29, 10));
        QCOMPARE(armedMsecs(), 50 * 1000);
        db().run("DELETE FROM TASK_INFO");
        rows().note("New", dueAt("new", "/w/new.wav", {}, "10 : 29 : 40"));
        p().app().mainWindow().reload();
        QCOMPARE(armedMsecs(), 30 * 1000);
        tickAt(QTime(10, 29, 40));
        QCOMPARE(played(), QStringList { "/w/new.wav" });
        // Nothing more today: it wakes at midnight to index the new day.
        QCOMPARE(armedMsecs(), (24 * 3600 - (10 * 3600 + 29 * 60 + 40)) * 1000);

        p().app().context().holdReminderScan(true);
        fakes().clock->setTime(QTime(9, 0, 0));
        QCOMPARE(armedMsecs(), -1);
        p().app().context().holdReminderScan(false);
        QCOMPARE(armedMsecs(), 0);
    }

    void wallClockChangeWakesTheScanAtOnce_data()
    {
        QTest::addColumn<QTime>("setTo");
        QTest::addColumn<int>("armed");
        QTest::addColumn<int>("raised");
        // Scanned up to 10:29:50; due at 10:30:00.
        QTest::newRow("set forward past it") << QTime(10, 30, 20) << 0 << 1;
        QTest::newRow("resumed within a minute of it") << QTime(10, 30, 59) << 0 << 1;
        QTest::newRow("resumed long after it") << QTime(12, 0, 0) << 0 << 1;
        QTest::newRow("set back before it") << QTime(10, 29, 0) << 0 << 0;
        QTest::newRow("set forward short of it") << QTime(10, 29, 55) << 5000 << 0;
    }
    void wallClockChangeWakesTheScanAtOnce()
    {
        QFETCH(QTime, setTo);
        QFETCH(int, armed);
        QFETCH(int, raised);
        rows().task("Pay rent", dueAt("now", "/w/a.wav"));
        startAt(QTime(10, 29, 50));
        QCOMPARE(armedMsecs(), 10 * 1000);
        fakes().clock->setTime(setTo);
        QCOMPARE(armedMsecs(), armed);
        scan().tick();
        QCOMPARE(played().size(), raised);
    }

    void clockSetBackAfterTheRaiseDoesNotRaiseAgain()
    {
        rows().task("Pay rent", dueAt("now", "/w/a.wav"));
        startAt(QTime(10, 29, 59));
        tickAt(QTime(10, 30, 0));
        tickAt(QTime(10, 30, 10));
        fakes().clock->setTime(QTime(10, 30, 2));
        QCOMPARE(armedMsecs(), 0);
        scan().tick();
        tickAt(QTime(10, 30, 3));
        QCOMPARE(played(), QStringList { "/w/a.wav" });
    }

    void closedStoreEndsTheProgram_data()
    {
        QTest::addColumn<bool>("reloadFirst");
        QTest::newRow("next tick") << false;
        QTest::newRow("reload, then tick") << true;
    }
    void closedStoreEndsTheProgram()
    {
        QFETCH(bool, reloadFirst);
        rows().task("Due", dueAt("x", "/w/a.wav"));
        startAt(QTime(10, 29, 59));
        p().app().db().close();
        if (reloadFirst)
            p().app().mainWindow().reload();
        tickAt(QTime(10, 30, 0));
        QCOMPARE(fakes().dialogs->shown,
            QList<ShownMessage>({ { "Orrisday Needs to be Restarted", MessageIcon::Information, "Orrisday" } }));
        QCOMPARE(fakes().lifecycle->ended, 1);
        QVERIFY(played().isEmpty());
        QVERIFY(!scan().isActive());
    }
};

QTEST_MAIN(TestReminderScan)
#include "test_reminder_scan.moc"
