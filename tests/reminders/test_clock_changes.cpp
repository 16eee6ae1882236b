// SPDX-License-Identifier: MIT
// Reminders and computer events while the wall clock skips or repeats an hour (summer time),
// jumps (suspend and resume, set by hand) or changes zone. The program runs on its own timers:
// the fake clock passes as the next timer waits, then that timer ticks.
#include "app/Frm_Main.h"
#include "reminders/EventTrigger.h"
#include "reminders/Frm_Alert.h"
#include "reminders/Frm_Event.h"
#include "reminders/ReminderScan.h"
#include "support/FreshProgramTest.h"
#include "support/ReminderRows.h"
#include "support/TestZone.h"

#include <QLabel>
#include <QTimer>
#include <optional>

namespace {

// A program that spins would tick thousands of times; these runs need a handful.
constexpr int MostTicks = 200;

QDate dayOf(const QString &wall)
{
    return QDate::fromString(wall.section(' ', 0, 0), "M/d/yyyy");
}

QTime timeOf(const QString &wall)
{
    return QTime::fromString(wall.section(' ', 1, 1), "H:mm:ss");
}

} // namespace

class TestClockChanges : public FreshProgramTest
{
    Q_OBJECT

    ReminderScan &scan() { return p().app().mainWindow().reminderScan(); }
    EventTrigger &trigger() { return p().app().mainWindow().eventTrigger(); }
    QDateTime now() { return fakes().clock->now(); }

    /// "task M/D/YYYY H:MM:SS" or "event M/D/YYYY H:MM:SS", named so.
    void seed(const QString &row)
    {
        const QString wall = row.section(' ', 1);
        const QString date = wall.section(' ', 0, 0);
        const QString time = wall.section(' ', 1, 1);
        if (row.startsWith("event"))
            db().insert(store::Table::Event, { { 1, row }, { 2, date }, { 3, time } });
        else
            ReminderRows(db()).task(row, { date, time, row, "", "" });
    }

    qint64 instantOf(const QString &wall)
    {
        FakeClock clock;
        clock.set(dayOf(wall), timeOf(wall));
        return clock.now().toMSecsSinceEpoch();
    }

    static int armedMsecs(QObject *dueTimer)
    {
        auto *timer = dueTimer->findChild<QTimer *>();
        return timer && timer->isActive() ? timer->interval() : -1;
    }

    /// Runs the program on its timers up to the instant; what each tick raised goes to `raised`
    /// as "<rows> at <time>", with the alert's late notice when it has one. When the earlier of
    /// the two timers is due, both tick (a tick before the due second raises nothing), so that
    /// each waits afresh from the clock's time. Gives the number of wakes.
    int runUntil(qint64 end, QStringList &raised)
    {
        int wakes = 0;
        for (; wakes < MostTicks; ++wakes) {
            std::optional<int> wait;
            for (QObject *timer : { static_cast<QObject *>(&scan()), static_cast<QObject *>(&trigger()) })
                if (const int msecs = armedMsecs(timer); msecs >= 0 && (!wait || msecs < *wait))
                    wait = msecs;
            if (!wait || now().toMSecsSinceEpoch() + *wait > end)
                break;
            fakes().clock->pass(*wait);
            const qsizetype before = fakes().sound->played.size();
            scan().tick();
            trigger().tick();
            note(fakes().sound->played.mid(before), raised);
        }
        fakes().clock->pass(end - now().toMSecsSinceEpoch());
        return wakes;
    }

    void note(const QStringList &rows, QStringList &raised)
    {
        QStringList names = rows;
        QString late;
        if (auto *alert = findWidget<Frm_Alert>("Frm_Alert"); alert && !rows.isEmpty())
            late = findIn<QLabel>(alert, "lbllate")->text();
        if (Frm_Event *confirmation = trigger().confirmation()) {
            names << findIn<QLabel>(confirmation, "Label2")->text();
            confirmation->close();
        }
        if (!names.isEmpty())
            raised << names.join(", ") + " at " + now().toString("h:mm:ss t") + (late.isEmpty() ? "" : "; " + late);
    }

private slots:
    void raisedOnceAcrossClockChanges_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("jumpAt"); // when the clock jumps by `jump` seconds; empty: never
        QTest::addColumn<int>("jump");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QStringList>("raised");
        QTest::addColumn<int>("mostTicks");
        using L = QStringList;

        // Summer time: clocks skip midnight in Santiago and 2:00-2:59:59 in Berlin in spring;
        // they show 23:00-23:59:59 (Santiago) and 2:00-2:59:59 (Berlin) twice in autumn.
        QTest::newRow("Santiago, the day before a skipped midnight, nothing stored")
            << QByteArray("America/Santiago") << "9/4/2027 0:00:05" << L {} << "" << 0 << "9/5/2027 2:00:00" << L {}
            << 2;
        QTest::newRow("Santiago, due at the skipped midnight")
            << QByteArray("America/Santiago") << "9/4/2027 23:00:00"
            << L { "task 9/5/2027 0:00:00", "task 9/5/2027 0:30:00", "event 9/5/2027 0:00:00", "task 9/5/2027 1:00:00" }
            << "" << 0 << "9/5/2027 2:00:00"
            << L { "task 9/5/2027 0:00:00, task 9/5/2027 0:30:00, task 9/5/2027 1:00:00, event 9/5/2027 0:00:00 at "
                   "1:00:00 -03" }
            << 6;
        QTest::newRow("Berlin spring, due in the skipped hour")
            << QByteArray("Europe/Berlin") << "3/28/2027 1:00:00"
            << L { "task 3/28/2027 1:59:59", "task 3/28/2027 2:30:00", "event 3/28/2027 2:30:00",
                   "task 3/28/2027 3:30:00" }
            << "" << 0 << "3/28/2027 5:00:00"
            << L { "task 3/28/2027 1:59:59 at 1:59:59 CET",
                   "task 3/28/2027 2:30:00, event 3/28/2027 2:30:00 at 3:00:00 CEST",
                   "task 3/28/2027 3:30:00 at 3:30:00 CEST" }
            << 10;
        QTest::newRow("Berlin autumn, due in the repeated hour")
            << QByteArray("Europe/Berlin") << "10/31/2027 1:30:00"
            << L { "task 10/31/2027 2:30:00", "event 10/31/2027 2:45:00", "task 10/31/2027 3:00:00" } << "" << 0
            << "10/31/2027 4:00:00"
            << L { "task 10/31/2027 2:30:00 at 2:30:00 CEST", "event 10/31/2027 2:45:00 at 2:45:00 CEST",
                   "task 10/31/2027 3:00:00 at 3:00:00 CET" }
            << 10;
        QTest::newRow("Santiago autumn, the hour before midnight repeated")
            << QByteArray("America/Santiago") << "4/3/2027 22:30:00"
            << L { "task 4/3/2027 23:30:00", "task 4/4/2027 0:00:00" } << "" << 0 << "4/4/2027 1:00:00"
            << L { "task 4/3/2027 23:30:00 at 23:30:00 -03", "task 4/4/2027 0:00:00 at 0:00:00 -04" } << 10;

        // Suspend and resume, or the clock set by hand. Computer events missed are dropped.
        QTest::newRow("asleep 10 minutes")
            << QByteArray("Europe/Berlin") << "12/7/2026 9:55:00"
            << L { "task 12/7/2026 10:00:00", "event 12/7/2026 10:01:00", "task 12/7/2026 10:20:00" }
            << "12/7/2026 9:58:00" << 600 << "12/7/2026 11:00:00"
            << L { "task 12/7/2026 10:00:00 at 10:08:00 CET; due 10:00:00, 8 minutes ago",
                   "task 12/7/2026 10:20:00 at 10:20:00 CET" }
            << 10;
        QTest::newRow("asleep 30 hours: a day back, in due order")
            << QByteArray("Europe/Berlin") << "12/7/2026 9:55:00"
            << L { "task 12/8/2026 9:00:00", "task 12/7/2026 10:00:00", "task 12/7/2026 20:00:00",
                   "task 12/8/2026 16:00:00" }
            << "12/7/2026 9:58:00" << 30 * 3600 << "12/8/2026 17:00:00"
            << L { "task 12/7/2026 20:00:00, task 12/8/2026 9:00:00 at 15:58:00 CET; due 9:00:00, 6 hours 58 minutes "
                   "ago (2 missed)",
                   "task 12/8/2026 16:00:00 at 16:00:00 CET" }
            << 10;
        QTest::newRow("asleep into the skipped hour: late by the time that passed")
            << QByteArray("Europe/Berlin") << "3/28/2027 1:00:00"
            << L { "task 3/28/2027 1:30:00", "task 3/28/2027 2:30:00", "event 3/28/2027 2:30:00" }
            << "3/28/2027 1:10:00" << 3600 << "3/28/2027 4:00:00"
            << L { "task 3/28/2027 1:30:00, task 3/28/2027 2:30:00 at 3:10:00 CEST; due 2:30:00, 10 minutes ago (2 "
                   "missed)" }
            << 10;
        QTest::newRow("set back 10 minutes")
            << QByteArray("Europe/Berlin") << "12/7/2026 9:55:00"
            << L { "task 12/7/2026 10:00:00", "event 12/7/2026 10:00:00", "task 12/7/2026 10:05:00" }
            << "12/7/2026 10:02:00" << -600 << "12/7/2026 10:30:00"
            << L { "task 12/7/2026 10:00:00, event 12/7/2026 10:00:00 at 10:00:00 CET",
                   "task 12/7/2026 10:05:00 at 10:05:00 CET" }
            << 10;
    }
    void raisedOnceAcrossClockChanges()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QString, start);
        QFETCH(QStringList, rows);
        QFETCH(QString, jumpAt);
        QFETCH(int, jump);
        QFETCH(QString, end);
        QFETCH(QStringList, raised);
        QFETCH(int, mostTicks);
        TestZone inZone(zone);
        for (const QString &row : rows)
            seed(row);
        fakes().clock->set(dayOf(start), timeOf(start));
        p().start();

        QStringList seen;
        int ticks = 0;
        if (!jumpAt.isEmpty()) {
            ticks += runUntil(instantOf(jumpAt), seen);
            fakes().clock->advance(jump);
        }
        ticks += runUntil(instantOf(end), seen);
        QCOMPARE(seen, raised);
        QVERIFY2(ticks <= mostTicks, qPrintable(QString::number(ticks) + " ticks"));
        QVERIFY(fakes().systemExit->requested.isEmpty());
        QVERIFY(fakes().dialogs->shown.isEmpty());
    }

    // The second showing of the repeated hour raises nothing the first showed, whatever happens
    // in it; a reminder saved in it for a time still ahead on the clock comes at that time.
    void repeatedHourRaisedOnceThoughReloadedOrStartedInIt_data()
    {
        QTest::addColumn<bool>("startInIt");
        QTest::newRow("store reloaded in it") << false;
        QTest::newRow("program started in it") << true;
    }
    void repeatedHourRaisedOnceThoughReloadedOrStartedInIt()
    {
        QFETCH(bool, startInIt);
        TestZone inZone("Europe/Berlin");
        seed("task 10/31/2027 2:30:00");
        seed("event 10/31/2027 2:30:00");
        QStringList seen;
        const qint64 firstShowing = instantOf("10/31/2027 2:10:00");
        const qint64 secondShowing = firstShowing + 3600 * 1000;
        if (startInIt) {
            fakes().clock->set(QDate(2027, 10, 31), QTime(2, 10));
            fakes().clock->pass(3600 * 1000);
            p().start();
        } else {
            fakes().clock->set(QDate(2027, 10, 31), QTime(1, 30));
            p().start();
            runUntil(secondShowing, seen);
            seed("task 10/31/2027 2:40:00");
            p().app().mainWindow().reload();
        }
        QCOMPARE(now().toString("h:mm:ss t"), QStringLiteral("2:10:00 CET"));
        runUntil(secondShowing + 3600 * 1000, seen);
        QCOMPARE(seen,
            startInIt ? QStringList()
                      : QStringList({ "task 10/31/2027 2:30:00, event 10/31/2027 2:30:00 at 2:30:00 CEST",
                          "task 10/31/2027 2:40:00 at 2:40:00 CET" }));
    }

    // An alarm at 10:30 rings at 10:30 on the clock of the zone the computer is in at the time.
    void zoneChangeKeepsWallClockTimes_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QStringList>("raised");
        QTest::newRow("west: later") << QByteArray("America/New_York")
                                     << QStringList { "task 12/7/2026 10:30:00 at 10:30:00 EST" };
        QTest::newRow("east: jumped over, late")
            << QByteArray("Asia/Tokyo")
            << QStringList { "task 12/7/2026 10:30:00 at 18:00:00 JST; due 10:30:00, 7 hours 30 minutes ago" };
    }
    void zoneChangeKeepsWallClockTimes()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QStringList, raised);
        TestZone inZone("Europe/Berlin");
        seed("task 12/7/2026 10:30:00");
        fakes().clock->set(QDate(2026, 12, 7), QTime(10, 0));
        p().start();
        QCOMPARE(armedMsecs(&scan()), 1800 * 1000);

        TestZone::set(zone);
        fakes().clock->zoneChanged();
        QCOMPARE(armedMsecs(&scan()), 0);
        QStringList seen;
        runUntil(now().toMSecsSinceEpoch() + 8 * 3600 * 1000, seen);
        QCOMPARE(seen, raised);
    }
};

QTEST_MAIN(TestClockChanges)
#include "test_clock_changes.moc"
