// SPDX-License-Identifier: MIT
#include "app/Frm_Main.h"
#include "reminders/Frm_Alert.h"
#include "reminders/ReminderScan.h"
#include "support/ReminderRows.h"
#include "support/TestProgram.h"

#include <QLabel>
#include <QTimer>

namespace {

const QDate Today(2026, 12, 7);
const QString TodayText = QStringLiteral("12/7/2026");
const QString DueTime = QStringLiteral("10 : 30 : 0");

SeededReminder dueAt(const QString &message, const QString &sound = {}, const QString &program = {},
    const QString &time = DueTime, const QString &date = TodayText)
{
    return SeededReminder { date, time, sound, message, program };
}

QString labelText(const QString &name)
{
    auto *label = findIn<QLabel>(findWidget<Frm_Alert>(QStringLiteral("Frm_Alert")), name);
    return label ? label->text() : QStringLiteral("<no alert>");
}

QStringList alertTexts()
{
    return { labelText(QStringLiteral("lbltitle")), labelText(QStringLiteral("Lblname")),
        labelText(QStringLiteral("lbldesp")) };
}

} // namespace

class TestReminderScan : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_program;

    TestProgram &program() { return *m_program; }
    ReminderRows rows() { return ReminderRows(program().seed()); }
    ReminderScan &scan() { return program().app().mainWindow().reminderScan(); }
    FakeServices &fakes() { return program().fakes; }

    /// Starts the program at the given time of today.
    void startAt(QTime time)
    {
        fakes().clock->set(Today, time);
        program().start();
    }
    void tickAt(QTime time, QDate day = Today)
    {
        fakes().clock->set(day, time);
        scan().tick();
    }

private slots:
    void init() { m_program = std::make_unique<TestProgram>(); }
    void cleanup() { m_program.reset(); }

    void timerRunsTwiceASecondOnTheMainWindow()
    {
        startAt(QTime(9, 0, 0));
        auto *timer = program().app().mainWindow().findChild<QTimer *>(QStringLiteral("Timer_popup"));
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 500);
        QVERIFY(timer->isActive());
        QVERIFY(scan().isActive());
    }

    void dueDuringItsSecondOnly()
    {
        rows().task(QStringLiteral("Call the bank"),
            dueAt(QStringLiteral("Please Check This Out"), QStringLiteral("/w/a.wav")));
        rows().task(QStringLiteral("Tomorrow's"),
            dueAt(QStringLiteral("later"), QStringLiteral("/w/b.wav"), {}, DueTime, QStringLiteral("12/8/2026")));
        rows().task(QStringLiteral("Never"),
            dueAt(QStringLiteral("no date"), QStringLiteral("/w/c.wav"), {}, QStringLiteral("1/3/1900"),
                QStringLiteral("1/3/1900")));
        startAt(QTime(10, 29, 58));
        tickAt(QTime(10, 29, 59));
        QVERIFY(!findWidget<Frm_Alert>(QStringLiteral("Frm_Alert")));

        tickAt(QTime(10, 30, 0));
        QCOMPARE(alertTexts(), QStringList({ "Task Alert", "Call the bank", "Please Check This Out" }));
        QCOMPARE(fakes().sound->played, QStringList { "/w/a.wav" });
        tickAt(QTime(10, 30, 1));
        tickAt(QTime(11, 0, 0));
        QCOMPARE(fakes().sound->played, QStringList { "/w/a.wav" });

        // The next day's reminder rises on its own day.
        tickAt(QTime(10, 29, 59), Today.addDays(1));
        tickAt(QTime(10, 30, 0), Today.addDays(1));
        QCOMPARE(fakes().sound->played, QStringList({ "/w/a.wav", "/w/b.wav" }));
        QCOMPARE(labelText(QStringLiteral("Lblname")), QStringLiteral("Tomorrow's"));
        QVERIFY(fakes().dialogs->shown.isEmpty());
    }

    void raisedOnceThoughTicksComeLateOrTwice_data()
    {
        QTest::addColumn<QTime>("start");
        QTest::addColumn<QList<QTime>>("ticks");
        QTest::addColumn<int>("raised");
        const QTime before(10, 29, 58);
        QTest::newRow("two ticks in its second")
            << before << QList<QTime> { { 10, 30, 0 }, { 10, 30, 0 }, { 10, 30, 1 } } << 1;
        QTest::newRow("tick 3 s late") << before << QList<QTime> { { 10, 29, 59 }, { 10, 30, 3 }, { 10, 30, 3 } } << 1;
        QTest::newRow("tick a minute late") << before << QList<QTime> { { 10, 29, 59 }, { 10, 30, 59 } } << 1;
        QTest::newRow("tick over a minute late") << before << QList<QTime> { { 10, 29, 59 }, { 10, 31, 1 } } << 0;
        QTest::newRow("started in its second")
            << QTime(10, 30, 0) << QList<QTime> { { 10, 30, 0 }, { 10, 30, 1 } } << 1;
        QTest::newRow("started after it") << QTime(10, 30, 1) << QList<QTime> { { 10, 30, 1 }, { 10, 30, 2 } } << 0;
        QTest::newRow("clock went back past it")
            << before << QList<QTime> { { 10, 30, 0 }, { 10, 29, 59 }, { 10, 30, 0 } } << 2;
    }
    void raisedOnceThoughTicksComeLateOrTwice()
    {
        QFETCH(QTime, start);
        QFETCH(QList<QTime>, ticks);
        QFETCH(int, raised);
        rows().task(QStringLiteral("Pay rent"),
            dueAt(QStringLiteral("now"), QStringLiteral("/w/a.wav"), QStringLiteral("/opt/x/run")));
        startAt(start);
        for (QTime time : ticks)
            tickAt(time);
        QCOMPARE(fakes().sound->played.size(), raised);
        QCOMPARE(fakes().shell->opened.size(), raised);
    }

    void lastOfTaskScheduleAndNoteStaysWithLastSound_data()
    {
        QTest::addColumn<QString>("scheduleSound");
        QTest::addColumn<QString>("noteSound");
        QTest::addColumn<QString>("lastSound");
        QTest::newRow("note's") << "/w/s.wav"
                                << "/w/n.wav"
                                << "/w/n.wav";
        QTest::newRow("schedule's") << "/w/s.wav"
                                    << ""
                                    << "/w/s.wav";
        QTest::newRow("task's") << "No Sound"
                                << ""
                                << "/w/t.wav";
    }
    void lastOfTaskScheduleAndNoteStaysWithLastSound()
    {
        QFETCH(QString, scheduleSound);
        QFETCH(QString, noteSound);
        QFETCH(QString, lastSound);
        // Seeded in reverse, so the order comes from the kinds, not from the rows.
        rows().note(QStringLiteral("Shopping list"), dueAt(QStringLiteral("milk"), noteSound));
        rows().schedule(QStringLiteral("Dentist"), dueAt(QStringLiteral("bring card"), scheduleSound));
        rows().task(QStringLiteral("Report"), dueAt(QStringLiteral("send it"), QStringLiteral("/w/t.wav")));
        startAt(QTime(10, 29, 59));
        tickAt(QTime(10, 30, 0));
        QCOMPARE(alertTexts(), QStringList({ "Note Alert", "Shopping list", "milk" }));
        QCOMPARE(fakes().sound->played.last(), lastSound);
        QCOMPARE(fakes().sound->played.first(), QStringLiteral("/w/t.wav"));
    }

    void everyTaskDueTogetherIsRaised()
    {
        rows().task(QStringLiteral("First"), dueAt(QStringLiteral("one"), {}, QStringLiteral("/opt/a/first")));
        rows().task(QStringLiteral("Second"), dueAt(QStringLiteral("two"), {}, QStringLiteral("/opt/b/second")));
        rows().task(QStringLiteral("Other time"),
            dueAt(QStringLiteral("three"), {}, QStringLiteral("/opt/c/third"), QStringLiteral("10 : 31 : 0")));
        startAt(QTime(10, 29, 59));
        tickAt(QTime(10, 30, 0));
        using Opened = QList<QPair<QString, QString>>;
        QCOMPARE(fakes().shell->opened, Opened({ { "/opt/a/first", "/opt/a" }, { "/opt/b/second", "/opt/b" } }));
        QCOMPARE(alertTexts(), QStringList({ "Task Alert", "Second", "two" }));
        // A late tick raises what came due in between, in order of time.
        tickAt(QTime(10, 31, 2));
        QCOMPARE(fakes().shell->opened.size(), 3);
        QCOMPARE(labelText(QStringLiteral("Lblname")), QStringLiteral("Other time"));
    }

    void birthdayShowsItsOwnContactsMobile()
    {
        rows().contact(QStringLiteral("Ann"), QStringLiteral("5550001"));
        const SeededReminder birthday = dueAt(
            QStringLiteral("Bob Smith's Birthday"), QStringLiteral("/w/Birthday.wav"), QStringLiteral("/opt/never"));
        rows().contact(QStringLiteral("Bob"), QStringLiteral("5550002"), &birthday);
        const SeededReminder otherDay
            = dueAt(QStringLiteral("Cid Smith's Birthday"), {}, {}, DueTime, QStringLiteral("3/1/2027"));
        rows().contact(QStringLiteral("Cid"), QStringLiteral("5550003"), &otherDay);
        for (int i = 4; i < 40; ++i)
            rows().contact(QStringLiteral("Friend %1").arg(i), QStringLiteral("55500%1").arg(i));
        startAt(QTime(10, 29, 59));
        tickAt(QTime(10, 30, 0));
        QCOMPARE(alertTexts(), QStringList({ "Birthday Alert", "Bob Smith's Birthday", "Contact Phone No : 5550002" }));
        QCOMPARE(fakes().sound->played, QStringList { "/w/Birthday.wav" });
        QVERIFY(fakes().shell->opened.isEmpty());
    }

    void noSoundOrProgramOnlySetsTheLabels_data()
    {
        QTest::addColumn<QString>("sound");
        QTest::addColumn<QString>("program");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("chosen none") << "No Sound"
                                     << "No Prg";
    }
    void noSoundOrProgramOnlySetsTheLabels()
    {
        QFETCH(QString, sound);
        QFETCH(QString, program);
        rows().schedule(QStringLiteral("Meeting"), dueAt(QStringLiteral(""), sound, program));
        startAt(QTime(10, 29, 59));
        tickAt(QTime(10, 30, 0));
        QCOMPARE(alertTexts(), QStringList({ "Schedule Alert", "Meeting", "" }));
        QVERIFY(fakes().sound->played.isEmpty());
        QVERIFY(fakes().shell->opened.isEmpty());
    }

    void reloadReadsChangesAndRestartsTheTimer()
    {
        rows().task(QStringLiteral("Old"), dueAt(QStringLiteral("old"), QStringLiteral("/w/old.wav")));
        startAt(QTime(10, 29, 0));
        scan().stop();
        QVERIFY(!scan().isActive());
        program().seed().run(QStringLiteral("DELETE FROM TASK_INFO"));
        rows().note(QStringLiteral("New"), dueAt(QStringLiteral("new"), QStringLiteral("/w/new.wav")));
        program().app().mainWindow().reload();
        QVERIFY(scan().isActive());
        tickAt(QTime(10, 30, 0));
        QCOMPARE(fakes().sound->played, QStringList { "/w/new.wav" });
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
        rows().task(QStringLiteral("Due"), dueAt(QStringLiteral("x"), QStringLiteral("/w/a.wav")));
        startAt(QTime(10, 29, 59));
        program().app().db().close();
        if (reloadFirst)
            program().app().mainWindow().reload();
        tickAt(QTime(10, 30, 0));
        QCOMPARE(fakes().dialogs->shown,
            QList<ShownMessage>({ { "Orrisday Needs to be Restarted", MessageIcon::Information, "Orrisday" } }));
        QCOMPARE(fakes().lifecycle->ended, 1);
        QVERIFY(fakes().sound->played.isEmpty());
        QVERIFY(!scan().isActive());
    }
};

QTEST_MAIN(TestReminderScan)
#include "test_reminder_scan.moc"
