// SPDX-License-Identifier: MIT
#include "app/Orrisday.h"
#include "context/ProgramFolder.h"
#include "exchange/Exchange.h"
#include "platform/DisplaySetup.h"
#include "platform/LinuxServices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <optional>

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

/// Runs `--export-ics FILE`, `--export-vcf FILE` or `--import FILE [FILE...]` against the program's
/// store without a window; nothing when the command line asks for none of them.
std::optional<int> exchangeOnCommandLine(int argc, char *argv[])
{
    if (argc < 3)
        return std::nullopt;
    const QByteArray option = argv[1];
    const bool importing = option == "--import";
    if (!importing && (argc != 3 || (option != "--export-ics" && option != "--export-vcf")))
        return std::nullopt;
    QCoreApplication application(argc, argv);
    QStringList files;
    for (int i = 2; i < argc; ++i)
        files << QString::fromLocal8Bit(argv[i]);
    try {
        store::Database db(ProgramFolder{QCoreApplication::applicationDirPath()}.database());
        const exchange::Report report = importing                  ? exchange::importFiles(db, files)
                                        : option == "--export-ics" ? exchange::exportCalendar(db, files.first())
                                                                   : exchange::exportContacts(db, files.first());
        const QString verb = importing ? QStringLiteral("Imported") : QStringLiteral("Exported");
        std::fprintf(report.succeeded() ? stdout : stderr, "%s\n", qPrintable(report.summary(verb)));
        return report.succeeded() ? 0 : 1;
    } catch (const store::Error &error) {
        std::fprintf(stderr, "Orrisday cannot open its database: %s\n", error.what());
        return 1;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (const auto exitCode = exchangeOnCommandLine(argc, argv))
        return *exitCode;
    QElapsedTimer sinceMain;
    sinceMain.start();
    prepareDisplay();
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
