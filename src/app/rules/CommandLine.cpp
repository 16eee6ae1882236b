// SPDX-License-Identifier: MIT
#include "app/rules/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

namespace {

QCommandLineOption hidden(const QString &name, bool takesValue)
{
    QCommandLineOption option(name, QString(), takesValue ? QStringLiteral("value") : QString());
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    return option;
}

/// The options QGuiApplication and QApplication take from the command line themselves.
QList<QCommandLineOption> qtOptions()
{
    QList<QCommandLineOption> options;
    for (const char *name : { "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
             "qwindowicon", "qwindowtitle", "session", "display", "style", "stylesheet" })
        options << hidden(QLatin1String(name), true);
    options << hidden(QStringLiteral("reverse"), false);
    return options;
}

} // namespace

CommandLine readCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Orrisday keeps tasks, schedules, notes and contacts, and reminds you of them.\n"
        "Files given without an option are imported by the running Orrisday, which starts when none runs."));
    const QCommandLineOption help({ QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Print these options."));
    const QCommandLineOption version({ QStringLiteral("v"), QStringLiteral("version") }, QStringLiteral("Print the version."));
    const QCommandLineOption exportCalendar(QStringLiteral("export-ics"),
        QStringLiteral("Write the tasks, schedules, notes and birthdays to an iCalendar file, without a window."),
        QStringLiteral("FILE"));
    const QCommandLineOption exportContacts(QStringLiteral("export-vcf"),
        QStringLiteral("Write the contacts to a vCard file, without a window."), QStringLiteral("FILE"));
    const QCommandLineOption import(QStringLiteral("import"),
        QStringLiteral("Read the files given into the store, without a window."));
    const QCommandLineOption withPrograms(QStringLiteral("with-programs"),
        QStringLiteral("With --import: keep the programs the reminders in the files would start."));
    const QCommandLineOption syncAccount(QStringLiteral("sync-account"),
        QStringLiteral("Save the CalDAV/CardDAV account to sync with: a server, a principal or a home set URL "
                       "(the password from ORRISDAY_SYNC_PASSWORD or the keyring), without a window."),
        QStringLiteral("URL"));
    const QCommandLineOption syncUser(QStringLiteral("sync-user"),
        QStringLiteral("With --sync-account: the user name on the server."), QStringLiteral("NAME"));
    const QCommandLineOption sync(QStringLiteral("sync"),
        QStringLiteral("Sync once with the saved account and print the counts, without a window."));
    parser.addOptions({ help, version, exportCalendar, exportContacts, import, withPrograms, syncAccount, syncUser, sync });
    parser.addOptions(qtOptions());
    parser.addPositionalArgument(QStringLiteral("FILE"),
        QStringLiteral("A calendar (.ics) or contacts (.vcf) file to import."), QStringLiteral("[FILE...]"));

    auto refuse = [](const QString &why) {
        return CommandLine{ CommandLine::Action::Refuse, {},
            QStringLiteral("orrisday: %1\nTry 'orrisday --help' for more information.\n").arg(why) };
    };
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (parser.isSet(help)) {
        // Qt's own usage line names the program as it was called, or a placeholder before QApplication.
        const QString options = parser.helpText().section(QLatin1Char('\n'), 1);
        return { CommandLine::Action::Print, {}, QStringLiteral("Usage: orrisday [options] [FILE...]\n") + options };
    }
    if (parser.isSet(version))
        return { CommandLine::Action::Print, {},
            QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion() + QLatin1Char('\n') };

    QStringList files;
    for (const QString &file : parser.positionalArguments())
        files << QFileInfo(file).absoluteFilePath();
    const int chosen = int(parser.isSet(exportCalendar)) + int(parser.isSet(exportContacts)) + int(parser.isSet(import))
        + int(parser.isSet(syncAccount)) + int(parser.isSet(sync));
    if (chosen > 1)
        return refuse(QStringLiteral("--export-ics, --export-vcf, --import, --sync-account and --sync go one at a time."));
    if (parser.isSet(syncUser) && !parser.isSet(syncAccount))
        return refuse(QStringLiteral("--sync-user goes with --sync-account."));
    if (parser.isSet(syncAccount) || parser.isSet(sync)) {
        if (!files.isEmpty())
            return refuse(QStringLiteral("--sync-account and --sync take no files."));
        if (parser.isSet(sync))
            return { CommandLine::Action::Sync, {}, {} };
        const QUrl server = QUrl::fromUserInput(parser.value(syncAccount));
        if (!server.isValid() || !server.scheme().startsWith(QLatin1String("http")))
            return refuse(QStringLiteral("--sync-account needs an http:// or https:// URL."));
        return { CommandLine::Action::SyncAccount, {}, server.toString(), false, parser.value(syncUser) };
    }
    if (parser.isSet(import)) {
        if (files.isEmpty())
            return refuse(QStringLiteral("--import needs the files to read."));
        return { CommandLine::Action::Import, files, {}, parser.isSet(withPrograms) };
    }
    if (parser.isSet(withPrograms))
        return refuse(QStringLiteral("--with-programs goes with --import."));
    for (const auto &[option, action] : { std::pair(exportCalendar, CommandLine::Action::ExportCalendar),
             std::pair(exportContacts, CommandLine::Action::ExportContacts) }) {
        if (!parser.isSet(option))
            continue;
        if (!files.isEmpty() || parser.values(option).size() > 1)
            return refuse(QStringLiteral("--%1 writes one file.").arg(option.names().first()));
        return { action, { QFileInfo(parser.value(option)).absoluteFilePath() }, {} };
    }
    return { CommandLine::Action::Start, files, {} };
}
