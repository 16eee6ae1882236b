// SPDX-License-Identifier: MIT
#include "context/AppContext.h"

#include "exchange/Exchange.h"

AppContext::AppContext(ProgramFolder folder, Services &services, store::Database &db)
    : m_folder(std::move(folder)), m_services(services), m_db(db)
{
}

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
    const exchange::Report report = exchange::importFiles(m_db, files);
    message(report.summary(QStringLiteral("Imported")),
        report.succeeded() ? MessageIcon::Information : MessageIcon::Warning, QStringLiteral("Orrisday"));
    if (report.succeeded())
        announceStoreChange();
    return report.succeeded();
}
