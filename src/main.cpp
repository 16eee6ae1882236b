// SPDX-License-Identifier: MIT
#include "app/Orrisday.h"
#include "app/SingleInstance.h"
#include "app/rules/CommandLine.h"
#include "context/ProgramFolder.h"
#include "exchange/Exchange.h"
#include "platform/DisplaySetup.h"
#include "platform/KeychainSecrets.h"
#include "platform/LinuxServices.h"
#include "sync/SyncAccount.h"
#include "sync/SyncRound.h"

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

/// Exports or imports against the program's store without a window.
int exchangeFiles(const CommandLine &line, int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    try {
        const ProgramFolder folder = ProgramFolder::ofExecutable(QCoreApplication::applicationDirPath());
        store::Database db(folder.database());
        const bool importing = line.action == CommandLine::Action::Import;
        const exchange::Report report = importing ? exchange::importFiles(db, line.files, { .withPrograms = line.withPrograms })
            : line.action == CommandLine::Action::ExportCalendar ? exchange::exportCalendar(db, line.files.first())
                                                                 : exchange::exportContacts(db, line.files.first());
        const QString verb = importing ? QStringLiteral("Imported") : QStringLiteral("Exported");
        std::fprintf(report.succeeded() ? stdout : stderr, "%s\n", qPrintable(report.summary(verb)));
        // A running copy reads the store again, so that its reminders include what came in.
        if (importing && report.succeeded() && report.added + report.updated > 0)
            SingleInstance::tell(SingleInstance::keyForFolder(folder.data), { InstanceRequest::Reload, {} });
        return report.succeeded() ? 0 : 1;
    } catch (const store::Error &error) {
        std::fprintf(stderr, "Orrisday cannot open its database: %s\n", error.what());
        return 1;
    }
}

/// The sync password: ORRISDAY_SYNC_PASSWORD when set, else the keyring's; an account without a
/// user name needs none.
std::optional<QString> syncPassword(const syncing::SyncAccount &account, Secrets &keyring)
{
    if (qEnvironmentVariableIsSet("ORRISDAY_SYNC_PASSWORD"))
        return qEnvironmentVariable("ORRISDAY_SYNC_PASSWORD");
    if (std::optional<QString> kept = keyring.read(account.secretKey()))
        return kept;
    return account.user.isEmpty() ? std::optional(QString()) : std::nullopt;
}

/// Saves the sync account, or runs one sync round, without a window.
int syncFromCommandLine(const CommandLine &line, int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    try {
        const ProgramFolder folder = ProgramFolder::ofExecutable(QCoreApplication::applicationDirPath());
        store::Database db(folder.database());
        KeychainSecrets keyring;
        syncing::SyncAccount account = syncing::savedAccount(db);
        if (line.action == CommandLine::Action::SyncAccount) {
            account.server = QUrl(line.text);
            account.user = line.user;
        } else if (!account.isSet()) {
            std::fputs("No sync account is saved: give one with --sync-account URL.\n", stderr);
            return 1;
        }
        const std::optional<QString> password = syncPassword(account, keyring);
        if (!password) {
            std::fputs("The sync needs the account's password: set ORRISDAY_SYNC_PASSWORD.\n", stderr);
            return 1;
        }
        if (line.action == CommandLine::Action::SyncAccount) {
            const syncing::DavAnswer found = syncing::setUpAccount(db, account, *password);
            if (!found.succeeded()) {
                std::fprintf(stderr, "The account could not be set up: %s\n", qPrintable(found.failure));
                return 1;
            }
            const syncing::Collections saved = syncing::savedAccount(db).collections;
            std::printf("Sync account saved: calendar %s, address book %s\n", qPrintable(saved.calendar.toString()),
                qPrintable(saved.addressBook.toString()));
            if (qEnvironmentVariableIsSet("ORRISDAY_SYNC_PASSWORD") && !keyring.write(account.secretKey(), *password))
                std::puts("No keyring answered: give the password with ORRISDAY_SYNC_PASSWORD at each sync.");
            return 0;
        }
        syncing::DavClient client({ account.server, account.user, *password });
        const syncing::SyncResult result = syncing::syncOnce(db, client, account.collections);
        std::fprintf(result.succeeded() ? stdout : stderr, "%s\n", qPrintable(result.summary()));
        if (result.changedStore)
            SingleInstance::tell(SingleInstance::keyForFolder(folder.data), { InstanceRequest::Reload, {} });
        return result.succeeded() ? 0 : 1;
    } catch (const store::Error &error) {
        std::fprintf(stderr, "Orrisday cannot open its database: %s\n", error.what());
        return 1;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    Orrisday::nameApplication();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = readCommandLine(arguments);
    switch (line.action) {
    case CommandLine::Action::Print:
        std::fputs(qPrintable(line.text), stdout);
        return 0;
    case CommandLine::Action::Refuse:
        std::fputs(qPrintable(line.text), stderr);
        return 2;
    case CommandLine::Action::Start:
        break;
    case CommandLine::Action::SyncAccount:
    case CommandLine::Action::Sync:
        return syncFromCommandLine(line, argc, argv);
    default:
        return exchangeFiles(line, argc, argv);
    }
    prepareDisplay();
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const ProgramFolder folder = ProgramFolder::ofExecutable(QCoreApplication::applicationDirPath());
    Orrisday::Outcome outcome;
    auto orrisday = Orrisday::start(folder, makeLinuxServices(folder.modules), &outcome, line.files);
    if (!orrisday)
        return outcome == Orrisday::Outcome::AlreadyRunning ? 0 : 1;
    if (qEnvironmentVariableIsSet("ORRISDAY_BENCH_EXIT_AFTER_SHOW"))
        QTimer::singleShot(0, [&sinceMain] { reportStartupAndExit(sinceMain); });
    return QApplication::exec();
}
