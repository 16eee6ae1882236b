// SPDX-License-Identifier: MIT
// The schedule and note windows with a full store: 10,000 schedules and 10,000 notes.
//
//   bench_lists                  in-process: open each list, and a save that reopens it
//   bench_lists --grab DIR       saves pictures of both lists and both editors (a few dozen rows)
#include "BenchMain.h"
#include "BenchTiming.h"
#include "app/Frm_Main.h"
#include "context/RecordWindows.h"
#include "support/RecordSteps.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

const QDate Today(2026, 12, 7);
const QStringList Priorities { QStringLiteral("Urgent"), QStringLiteral("High"), QStringLiteral("Medium"),
    QStringLiteral("Low") };

void seed(store::Database &db, int rows)
{
    store::Transaction transaction(db);
    for (int i = 1; i <= rows; ++i) {
        const QDate day = Today.addDays(i % 400);
        const QString date = QStringLiteral("%1/%2/%3").arg(day.month()).arg(day.day()).arg(day.year());
        db.insert(store::Table::Schedule,
            { { 0, i }, { 1, QStringLiteral("Meeting %1").arg(i) }, { 2, QStringLiteral("Room %1").arg(i % 9) },
                { 3, date }, { 4, QStringLiteral("10 : 0 : 0") }, { 5, date }, { 6, QStringLiteral("11 : 15 : 0") },
                { 7, QStringLiteral("Not Started") }, { 8, Priorities.at(i % 4) },
                { 9, i % 3 ? QStringLiteral("Business") : QStringLiteral("Personal") } });
        db.insert(store::Table::Note,
            { { 0, i }, { 1, QStringLiteral("Note %1").arg(i) }, { 2, QStringLiteral("Call back about item %1").arg(i) },
                { 3, date }, { 4, QStringLiteral("9 : 30 : 0") } });
    }
    transaction.commit();
}

// Processor time of this process in ms: steadier than the wall clock on a busy machine.
double cpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

/// Wall and processor milliseconds of one call, with the deferred deletions it leaves behind.
struct Cost
{
    QList<double> wall;
    QList<double> cpu;
};
void timed(Cost &cost, const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    const double before = cpuMs();
    work();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    cost.wall << timer.nsecsElapsed() / 1e6;
    cost.cpu << cpuMs() - before;
}

struct Kind
{
    QString list;
    QString editor;
    QStringList fields;
};

int measure()
{
    TestProgram program;
    seed(program.seed(), 10000);
    program.fakes.clock->set(Today, QTime(8, 0, 0));
    program.start();
    RecordWindows &windows = program.app().windows();
    const QList<Kind> kinds {
        { QStringLiteral("Frm_Schedule"), QStringLiteral("FrmSchedule_Info"),
            { QStringLiteral("txtname=Bench"), QStringLiteral("cmbstatus=Not Started"),
                QStringLiteral("cmbcategory=Business") } },
        { QStringLiteral("Frm_Note"), QStringLiteral("FrmNote_Info"),
            { QStringLiteral("txtname=Bench"), QStringLiteral("txtdesp=Bench") } },
    };
    for (const Kind &kind : kinds) {
        Cost opens, saves;
        for (int run = 0; run < 15; ++run) {
            // The window open before is closed first: its deletion is no part of the opening.
            windows.check();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QWidget *list = nullptr;
            timed(opens, [&] {
                list = windows.open(kind.list);
                QApplication::processEvents();
            });
            clickOn(findIn<QWidget>(list, QStringLiteral("lblnew")));
            QWidget *editor = loadedWindow(program, kind.editor);
            for (const QString &step : kind.fields)
                runStep(editor, *program.fakes.clock, step);
            timed(saves, [&] {
                clickOn(findIn<QWidget>(editor, QStringLiteral("lblsave")));
                QApplication::processEvents();
            });
            if (program.fakes.dialogs->takeTexts().size() != 1 || !loadedWindow(program, kind.list)) {
                std::fprintf(stderr, "the save did not reopen the list\n");
                return 1;
            }
        }
        std::printf("%s with 10,000 rows: open median %.1f ms wall, %.1f ms processor; save that reopens it "
                    "median %.1f ms wall, %.1f ms processor; over %lld runs\n",
            qPrintable(kind.list), median(opens.wall), median(opens.cpu), median(saves.wall), median(saves.cpu),
            qlonglong(opens.wall.size()));
    }
    return 0;
}

int grab(const QString &folder)
{
    TestProgram program;
    seed(program.seed(), 40);
    store::Database &db = program.seed();
    db.run(QStringLiteral("UPDATE SCHEDULE_INFO SET rem_no = 1 WHERE schedule_code = 1"));
    db.insert(store::Table::Reminder, { { 0, 1 }, { 1, QStringLiteral("12/7/2026") }, { 2, QStringLiteral("9 : 45 : 0") },
        { 3, QStringLiteral("No Sound") }, { 4, QStringLiteral("Please Check This Out") }, { 5, QStringLiteral("No Prg") } });
    program.fakes.clock->set(Today, QTime(8, 0, 0));
    program.start();
    RecordWindows &windows = program.app().windows();
    bool saved = true;
    const auto save = [&](QWidget *window, const QString &name) {
        QApplication::processEvents();
        saved = window && window->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png")) && saved;
    };
    QWidget *schedules = windows.open(QStringLiteral("Frm_Schedule"));
    save(schedules, QStringLiteral("Frm_Schedule"));
    clickGridRow(schedules, QStringLiteral("MSHFlexGrid1"), QStringLiteral("Meeting 1"));
    clickOn(findIn<QWidget>(schedules, QStringLiteral("lbledit")));
    save(loadedWindow(program, QStringLiteral("FrmSchedule_Info")), QStringLiteral("frmschedule_info"));
    QWidget *notes = windows.open(QStringLiteral("Frm_Note"));
    save(notes, QStringLiteral("Frm_Note"));
    clickOn(findIn<QWidget>(notes, QStringLiteral("lblnew")));
    save(loadedWindow(program, QStringLiteral("FrmNote_Info")), QStringLiteral("frmnote_info"));
    std::printf("%s pictures in %s\n", saved ? "saved" : "could not save all", qPrintable(folder));
    return saved ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    return benchMain(argc, argv, measure, { { "--grab", grab } });
}
