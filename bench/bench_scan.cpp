// SPDX-License-Identifier: MIT
// The reminder scan's cost: one tick over many reminders of which none is due, its growth with
// rows that cannot be due today, and the idle CPU of the hidden program.
//
//   bench_scan [idle-seconds]   (default 10; 0 skips the idle measure)

#include "BenchTiming.h"
#include "BenchSeed.h"
#include "app/Frm_Main.h"
#include "reminders/ReminderScan.h"
#include "store/Repeats.h"
#include "support/TestProgram.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

const QDate Today(2026, 12, 7);

/// Adds contacts whose birthday reminders fall on other days than today (the yearly ones are
/// indexed by their month and day).
void seedBirthdays(store::Database &db, int count)
{
    store::Transaction transaction(db);
    for (int i = 1; i <= count; ++i) {
        QDate day = Today.addDays(1 + i % 360).addYears(-30);
        const qint64 remNo = 1000000 + i;
        db.run(QStringLiteral("INSERT INTO REMINDER_INFO VALUES (?, ?, '09:00:00', '', 'Ann . Lee''s Birthday', '')"),
            { remNo, day.toString(Qt::ISODate) });
        db.run(QStringLiteral("INSERT INTO BIRTHDAY_INFO (birthday_contact_no, birthday_date, rem_no) VALUES (?, ?, ?)"),
            { i, day.toString(Qt::ISODate), remNo });
        db.run(QStringLiteral("INSERT INTO CONTACT_INFO (contact_no, contact_fname, contact_pmobileno, contact_bdate) "
                              "VALUES (?, 'Ann', '5550100', ?)"),
            { i, day.toString(Qt::ISODate) });
    }
    transaction.commit();
}

struct TickFigures
{
    double tickMedianUs;
    double reloadMs;
    double changedReloadMs;
};

/// Makes the first `count` tasks (and their reminders) start a year before today on another weekday
/// and repeat every week, so that none falls due today.
void seedSeries(store::Database &db, int count)
{
    store::Transaction transaction(db);
    for (qint64 rowid = 1; rowid <= count; ++rowid) {
        const QDate start = Today.addDays(-364 + 1 + rowid % 6);
        db.run(QStringLiteral("UPDATE TASK_INFO SET TASK_DATE = ? WHERE rowid = ?"), { start.toString(Qt::ISODate), rowid });
        db.run(QStringLiteral("UPDATE REMINDER_INFO SET rem_date = ? WHERE rem_no = ?"), { start.toString(Qt::ISODate), rowid });
        store::setRepeat(db, store::Table::Task, rowid, start, store::Repeat { store::RepeatRule { store::Frequency::Weekly }, {} });
    }
    transaction.commit();
}

TickFigures measureTicks(int reminders, int onToday = 0, int birthdays = 0, int series = 0)
{
    TestProgram program;
    // From 9:00 on: the measured ticks run from 8:00 to 8:50, so none is due in them.
    seedTasks(program.seed(), reminders, Today, onToday);
    seedBirthdays(program.seed(), birthdays);
    seedSeries(program.seed(), series);
    program.fakes.clock->set(Today, QTime(8, 0, 0));
    program.start();
    Frm_Main &main = program.app().mainWindow();
    ReminderScan &scan = main.reminderScan();
    scan.stop(); // only the measured ticks run

    QElapsedTimer clock;
    std::vector<double> reloads;
    for (int i = 0; i < 21; ++i) {
        clock.restart();
        main.reload();
        reloads.push_back(clock.nsecsElapsed() / 1e6);
    }
    // Each reload after a task was renamed: nothing read before can be kept.
    std::vector<double> changedReloads;
    for (int i = 0; i < 21; ++i) {
        program.app().db().run(QStringLiteral("UPDATE TASK_INFO SET TASK_NAME = ? WHERE rowid = 1"), { QString::number(i) });
        clock.restart();
        main.reload();
        changedReloads.push_back(clock.nsecsElapsed() / 1e6);
    }
    scan.stop();

    std::vector<double> ticks;
    for (int i = 0; i < 3001; ++i) {
        program.fakes.clock->advance(1); // every tick looks at a new second
        clock.restart();
        scan.tick();
        ticks.push_back(clock.nsecsElapsed() / 1e3);
    }
    return { median(ticks), median(reloads), median(changedReloads) };
}

double cpuSeconds()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray line = stat.readAll();
    // Fields after the command name in parentheses; utime and stime are fields 14 and 15.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return (fields.at(11).toDouble() + fields.at(12).toDouble()) / double(sysconf(_SC_CLK_TCK));
}

void measureIdle(int seconds)
{
    QTemporaryDir folder;
    auto app = startWithTasksAhead(folder, 10000);
    if (!app) {
        std::printf("idle: the program did not start\n");
        return;
    }
    app->mainWindow().hide();
    QCoreApplication::processEvents();
    const double before = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    const double used = cpuSeconds() - before;
    const double elapsed = wall.nsecsElapsed() / 1e9;
    std::printf("idle, main window hidden, 10,000 reminders, real services: %.3f s CPU in %.1f s = %.3f %% of a core\n",
        used, elapsed, 100.0 * used / elapsed);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int idleSeconds = argc > 1 ? std::atoi(argv[1]) : 10;

    std::printf("scan tick, none due (median of 3001 ticks, a new second each); main window reload (median of 21):\n");
    for (int reminders : { 100, 1000, 10000, 50000 }) {
        const TickFigures figures = measureTicks(reminders);
        std::printf("  %6d reminders on other days: tick %.2f us; main window reload %.1f ms\n", reminders,
            figures.tickMedianUs, figures.reloadMs);
    }
    for (const auto &[reminders, onToday] : { std::pair(10000, 10000), std::pair(50000, 1000) }) {
        const TickFigures sameDay = measureTicks(reminders, onToday);
        std::printf("  %6d reminders, %d of them today at other seconds: tick %.2f us; main window reload %.1f ms\n",
            reminders, onToday, sameDay.tickMedianUs, sameDay.reloadMs);
    }
    const TickFigures withBirthdays = measureTicks(10000, 0, 10000);
    std::printf("  %6d reminders and %d birthdays on other days: tick %.2f us; main window reload %.1f ms\n", 10000,
        10000, withBirthdays.tickMedianUs, withBirthdays.reloadMs);
    const TickFigures withSeries = measureTicks(50000, 0, 0, 5000);
    std::printf("  %6d reminders on other days, %d of them weekly series: tick %.2f us; main window reload %.1f ms, "
                "after a change %.1f ms\n",
        50000, 5000, withSeries.tickMedianUs, withSeries.reloadMs, withSeries.changedReloadMs);
    if (idleSeconds > 0)
        measureIdle(idleSeconds);
    return 0;
}
