// SPDX-License-Identifier: MIT
// The manual backup's cost on a store of 20,000 records (10,000 tasks, 10,000 schedules), and
// pictures of the options window and the event confirmation.
//
//   bench_backup                   times the backup copy
//   bench_backup --grab PREFIX     saves PREFIX_option_<tab>.png and PREFIX_event.png
#include "BenchMain.h"
#include "app/Frm_Main.h"
#include "context/RecordWindows.h"
#include "options/ManualBackup.h"
#include "reminders/EventTrigger.h"
#include "reminders/Frm_Event.h"
#include "support/TestProgram.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTabWidget>
#include <algorithm>
#include <cstdio>

namespace {

const QDate Today(2026, 12, 7);

void seed(store::Database &db, int rows)
{
    store::Transaction transaction(db);
    for (int i = 1; i <= rows; ++i) {
        const QString date = QStringLiteral("12/%1/2026").arg(1 + i % 28);
        db.insert(store::Table::Task,
            { { 0, i }, { 1, QStringLiteral("Task %1").arg(i) }, { 2, QStringLiteral("Quarterly notes") }, { 3, date },
                { 4, QStringLiteral("9:30:00") }, { 6, QStringLiteral("High") } });
        db.insert(store::Table::Schedule,
            { { 0, i }, { 1, QStringLiteral("Meeting %1").arg(i) }, { 3, date }, { 4, QStringLiteral("10:00:00") },
                { 5, date }, { 6, QStringLiteral("11:15:00") } });
    }
    transaction.commit();
}

int timeBackup()
{
    TestProgram program;
    seed(program.seed(), 10000);
    program.fakes.clock->set(Today, QTime(10, 0, 0));
    program.start();
    QList<double> runs;
    for (int run = 0; run < 11; ++run) {
        QElapsedTimer timer;
        timer.start();
        const BackupOutcome outcome
            = makeBackup(program.app().db(), program.folder() + QStringLiteral("/Database/Monday, Dec 7 2026.mdb"));
        runs << timer.nsecsElapsed() / 1e6;
        if (!outcome.done) {
            std::fprintf(stderr, "%s\n", qPrintable(outcome.why));
            return 1;
        }
    }
    std::sort(runs.begin(), runs.end());
    std::printf("backup of 20,000 records (replacing the day's copy): median %.1f ms, worst %.1f ms over %lld runs\n",
        runs.at(runs.size() / 2), runs.last(), qlonglong(runs.size()));
    return 0;
}

int grab(const QString &prefix)
{
    TestProgram program;
    seed(program.seed(), 3);
    program.seed().insert(store::Table::Event, { { 1, QStringLiteral("Shut Down Computer") },
                                                   { 2, QStringLiteral("12/7/2026") }, { 3, QStringLiteral("10:00:01") } });
    program.fakes.clock->set(Today, QTime(10, 0, 0));
    program.start();
    bool saved = true;
    QWidget *options = program.app().windows().open(QStringLiteral("Frm_Option"));
    auto *tabs = options->findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    options->findChild<QComboBox *>(QStringLiteral("cmbremname"))->setCurrentIndex(0);
    const QStringList names { QStringLiteral("general"), QStringLiteral("backup"), QStringLiteral("help"),
        QStringLiteral("event") };
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        QApplication::processEvents();
        saved = options->grab().save(prefix + QStringLiteral("_option_") + names.value(tab) + QStringLiteral(".png")) && saved;
    }
    program.fakes.clock->setTime(QTime(10, 0, 1));
    program.app().mainWindow().eventTrigger().tick();
    if (Frm_Event *event = program.app().mainWindow().eventTrigger().confirmation())
        saved = event->grab().save(prefix + QStringLiteral("_event.png")) && saved;
    else
        saved = false;
    std::printf("%s %s_*.png\n", saved ? "saved" : "could not save", qPrintable(prefix));
    return saved ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    return benchMain(argc, argv, timeBackup, { { "--grab", grab } });
}
