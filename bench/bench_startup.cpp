// SPDX-License-Identifier: MIT
// Start-up cost with a full store: 50,000 tasks, schedules, notes and contacts, each with its
// reminder; 500 tasks, schedules and notes on today.
//
//   bench_startup                      in-process: open the store, create and show the main window
//   bench_startup --program PATH       the real executable: time to the main window shown, memory
//   bench_startup --grab FILE.png      saves pictures of the main window (sample agenda) and the about box
#include "BenchMain.h"
#include "BenchSeed.h"
#include "app/Frm_Main.h"
#include "app/Orrisday.h"
#include "fakes/FakeServices.h"
#include "store/Database.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

constexpr int Rows = 50000;
constexpr int RowsToday = 500;
const QDate Today(2026, 12, 7);

void seed(const QString &folder, int rows, int rowsToday)
{
    store::Database db(folder + QStringLiteral("/sys/dll/sysks.dll"));
    seedEveryKind(db, rows, Today, rowsToday);
}

// Processor time of this process in ms: steadier than the wall clock on a busy machine.
double cpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

FakeServices fakesOnToday()
{
    FakeServices fakes;
    fakes.clock->set(Today, QTime(10, 0, 0));
    return fakes;
}

int inProcess()
{
    QTemporaryDir folder;
    seed(folder.path(), Rows, RowsToday);
    QList<double> runs, cpu;
    for (int run = 0; run < 41; ++run) {
        FakeServices fakes = fakesOnToday();
        QElapsedTimer timer;
        timer.start();
        const double cpuBefore = cpuMs();
        auto app = Orrisday::start(folder.path(), fakes.services());
        QApplication::processEvents();
        runs << timer.nsecsElapsed() / 1e6;
        cpu << cpuMs() - cpuBefore;
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::printf("in-process start (store + main window shown with its agenda): median %.1f ms wall, %.1f ms "
                "processor; best %.1f ms wall; over %lld runs\n",
        median(runs), median(cpu), *std::min_element(runs.begin(), runs.end()), qlonglong(runs.size()));
    return 0;
}

int wholeProgram(const QString &program)
{
    // The program keeps its database beside itself, so it runs from a copy on a seeded folder.
    QTemporaryDir folder;
    seed(folder.path(), Rows, RowsToday);
    const QString copy = folder.filePath(QStringLiteral("orrisday"));
    if (!QFile::copy(program, copy)) {
        std::fprintf(stderr, "cannot copy %s\n", qPrintable(program));
        return 1;
    }
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    environment.insert(QStringLiteral("HOME"), QDir::homePath());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("ORRISDAY_BENCH_EXIT_AFTER_SHOW"), QStringLiteral("1"));

    QList<double> wall, shown, memory;
    for (int run = 0; run < 15; ++run) {
        QProcess process;
        process.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        process.start(copy, {});
        if (!process.waitForReadyRead(10000)) {
            std::fprintf(stderr, "the program reported nothing: %s\n", process.readAllStandardError().constData());
            return 1;
        }
        wall << timer.nsecsElapsed() / 1e6;
        process.waitForFinished(10000);
        // "shown_ms=<from main()> rss_kb=<resident set>"
        const QString report = QString::fromLatin1(process.readAllStandardOutput().trimmed());
        shown << report.section(u' ', 0, 0).section(u'=', 1).toDouble();
        memory << report.section(u' ', 1, 1).section(u'=', 1).toDouble() / 1024;
    }
    std::printf("whole program, exec to main window shown: median %.1f ms (of which %.1f ms inside main()), "
                "resident memory %.1f MB, over %lld runs\n",
        median(wall), median(shown), median(memory), qlonglong(wall.size()));
    return 0;
}

int grab(const QString &file)
{
    QTemporaryDir folder;
    seed(folder.path(), 6, 3);
    FakeServices fakes = fakesOnToday();
    auto app = Orrisday::start(folder.path(), fakes.services());
    QApplication::processEvents();
    bool saved = app->mainWindow().grab().save(file);
    app->mainWindow().openRecordWindow(QStringLiteral("Frm_About"));
    const QString about = QString(file).replace(QStringLiteral(".png"), QStringLiteral("_about.png"));
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("Frm_About"))
            saved = window->grab().save(about) && saved;
    std::printf("%s %s and %s\n", saved ? "saved" : "could not save", qPrintable(file), qPrintable(about));
    return saved ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    return benchMain(argc, argv, inProcess, { { "--program", wholeProgram }, { "--grab", grab } });
}
