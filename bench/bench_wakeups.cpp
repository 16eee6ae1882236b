// SPDX-License-Identifier: MIT
// Idle wake-ups: voluntary context switches of all the process's threads over a quiet stretch,
// for a bare Qt window and for the program with 20,000 records, each shown and hidden. Run it on
// a real display server (e.g. `Xvfb :9 & DISPLAY=:9 bench_wakeups 30`).
//
//   bench_wakeups [seconds-per-measure]   (default 20)

#include "BenchSeed.h"
#include "app/Frm_Main.h"
#include "platform/DisplaySetup.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

/// Voluntary context switches of each thread of this process, by thread name and id.
QMap<QString, qint64> voluntarySwitches()
{
    QMap<QString, qint64> switches;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status(tasks.filePath(task + QStringLiteral("/status")));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        QString name;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("Name:"))
                name = QString::fromUtf8(line.mid(5).trimmed()) + QLatin1Char('#') + task;
            if (line.startsWith("voluntary_ctxt_switches:"))
                switches[name] = line.mid(24).trimmed().toLongLong();
        }
    }
    return switches;
}

void measure(const char *what, QWidget &window, bool shown, int seconds)
{
    shown ? window.show() : window.hide();
    // Let the window settle before counting.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
    const QMap<QString, qint64> before = voluntarySwitches();
    QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    const QMap<QString, qint64> after = voluntarySwitches();
    qint64 total = 0;
    QStringList byThread;
    for (auto it = after.begin(); it != after.end(); ++it) {
        const qint64 delta = it.value() - before.value(it.key());
        total += delta;
        byThread << QStringLiteral("%1 %2").arg(it.key().section(QLatin1Char('#'), 0, 0)).arg(delta);
    }
    std::printf("  %-28s %-7s %6lld wake-ups in %d s = %6.2f /s (%s)\n", what, shown ? "shown" : "hidden",
        static_cast<long long>(total), seconds, double(total) / seconds, qPrintable(byThread.join(QStringLiteral(", "))));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    prepareDisplay(); // as the program does
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 20;
    std::printf("idle wake-ups (voluntary context switches, all threads), platform %s:\n",
        qPrintable(QGuiApplication::platformName()));

    {
        QWidget bare;
        bare.resize(400, 300);
        measure("bare Qt window", bare, true, seconds);
        measure("bare Qt window", bare, false, seconds);
    }

    QTemporaryDir folder;
    auto app = startWithTasksAhead(folder, 20000);
    if (!app) {
        std::printf("the program did not start\n");
        return 1;
    }
    measure("Orrisday, 20,000 reminders", app->mainWindow(), true, seconds);
    measure("Orrisday, 20,000 reminders", app->mainWindow(), false, seconds);
    return 0;
}
