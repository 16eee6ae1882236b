// SPDX-License-Identifier: MIT
#include "app/Orrisday.h"
#include "platform/LinuxServices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <cstdio>

namespace {

// For bench/bench_startup only: once the main window is up, print the time since main() began and
// the resident memory, then end.
void reportStartupAndExit(const QElapsedTimer &sinceMain)
{
    QFile status(QStringLiteral("/proc/self/status"));
    QByteArray rss;
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("VmRSS:"))
                rss = line.mid(6).trimmed().split(' ').value(0);
    std::printf("shown_ms=%.1f rss_kb=%s\n", sinceMain.nsecsElapsed() / 1e6, rss.constData());
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    Orrisday::Outcome outcome;
    auto orrisday = Orrisday::start(QCoreApplication::applicationDirPath(), makeLinuxServices(), &outcome);
    if (!orrisday)
        return outcome == Orrisday::Outcome::AlreadyRunning ? 0 : 1;
    if (qEnvironmentVariableIsSet("ORRISDAY_BENCH_EXIT_AFTER_SHOW"))
        QTimer::singleShot(0, [&sinceMain] { reportStartupAndExit(sinceMain); });
    return QApplication::exec();
}
