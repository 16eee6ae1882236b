// SPDX-License-Identifier: MIT
#include "context/AppContext.h"

#include "context/BackgroundImport.h"
#include "context/BackgroundSync.h"
#include "exchange/Exchange.h"

#include <QApplication>

AppContext::AppContext(ProgramFolder folder, Services &services, store::Database &db)
    : m_folder(std::move(folder)), m_services(services), m_db(db)
{
    m_sync = std::make_unique<BackgroundSync>(*this);
}

AppContext::~AppContext() = default;

RecordWindows &AppContext::windows()
{
    Q_ASSERT(m_windows);
    return *m_windows;
}

void AppContext::message(const QString &text, MessageIcon icon, const QString &title)
{
    m_services.dialogs->message(text, icon, title);
}

void AppContext::OpenWithShell(const QString &target, const QString &workingFolder)
{
    if (!m_services.shell->open(target, workingFolder))
        message(QStringLiteral("Orrisday could not open %1\n\nNo program on this computer opens it (a web "
                               "browser, or xdg-open for documents).")
                    .arg(target),
            MessageIcon::Warning, QStringLiteral("Orrisday"));
}

bool AppContext::importFiles(const QStringList &files)
{
    exchange::ImportOptions options;
    if (const QStringList programs = exchange::programsIn(files); !programs.isEmpty())
        options.withPrograms = m_services.dialogs->ask(
            QStringLiteral("The reminders in these files would start these programs:\n\n%1\n\n"
                           "Keep the programs? With No, the reminders are imported without them.")
                .arg(programs.join(QLatin1Char('\n'))),
            QStringLiteral("Orrisday"));
    const exchange::Report report = importInBackground(m_db.file(), files, options, QApplication::activeWindow());
    message(report.summary(QStringLiteral("Imported")),
        report.succeeded() ? MessageIcon::Information : MessageIcon::Warning, QStringLiteral("Orrisday"));
    if (report.succeeded())
        announceStoreChange();
    return report.succeeded();
}
