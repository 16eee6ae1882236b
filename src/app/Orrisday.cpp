// SPDX-License-Identifier: MIT
#include "app/Orrisday.h"

#include "app/Frm_Main.h"
#include "app/SingleInstance.h"
#include "app/WindowCatalog.h"
#include "platform/ApplicationId.h"
#include "options/ManualBackup.h"
#include "store/Database.h"

#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QTimer>

Orrisday::Orrisday(const ProgramFolder &folder, Services services)
    : m_folder(folder), m_services(std::move(services))
{
}

Orrisday::~Orrisday() = default;

namespace {

QString whyTheStoreCannotOpen(const store::Error &error, const ProgramFolder &folder)
{
    switch (error.code()) {
    case store::Damaged:
        return QStringLiteral("The file is damaged, or it is no Orrisday database. Dated backup copies of it are "
                              "kept in %1: copy the newest one over the file and start Orrisday again.")
            .arg(QDir::toNativeSeparators(folder.backupFolder()));
    case store::Locked:
        return QStringLiteral("Another program has locked the file. Close that program and start Orrisday again.");
    case store::ReadOnly:
        return QStringLiteral("The file, or the folder it is in, cannot be written. Give your user the right to "
                              "write there and start Orrisday again.");
    default:
        return QStringLiteral("The file cannot be opened. Check that your user may read and write it and "
                              "the folder it is in, and start Orrisday again.");
    }
}

} // namespace

void Orrisday::nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("orrisday"));
    QCoreApplication::setApplicationVersion(Version);
    QGuiApplication::setApplicationDisplayName(Title);
    QGuiApplication::setDesktopFileName(::ApplicationId);
}

std::unique_ptr<Orrisday> Orrisday::start(
    const ProgramFolder &folder, Services services, Outcome *outcome, const QStringList &filesToImport)
{
    Outcome ignored;
    Outcome &result = outcome ? *outcome : ignored;
    result = Outcome::Failed;
    nameApplication();
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/art/orrisday.svg")));
    std::unique_ptr<Orrisday> app(new Orrisday(folder, std::move(services)));

    const InstanceRequest request = filesToImport.isEmpty() ? InstanceRequest{ InstanceRequest::Activate, {} }
                                                            : InstanceRequest{ InstanceRequest::Import, filesToImport };
    app->m_instance = std::make_unique<SingleInstance>(SingleInstance::keyForFolder(folder.data), request);
    switch (app->m_instance->state()) {
    case SingleInstance::State::Primary:
        break;
    case SingleInstance::State::Secondary:
        result = Outcome::AlreadyRunning;
        return nullptr;
    case SingleInstance::State::Unreachable:
        app->message(QStringLiteral("Orrisday is already running."), MessageIcon::None, {});
        result = Outcome::AlreadyRunning;
        return nullptr;
    }

    try {
        app->m_db = std::make_unique<store::Database>(app->m_folder.database());
    } catch (const store::Error &error) {
        app->message(QStringLiteral("Orrisday cannot open its database file\n%1\n\n%2")
                         .arg(QDir::toNativeSeparators(app->m_folder.database()),
                             whyTheStoreCannotOpen(error, app->m_folder)),
            MessageIcon::Critical, {});
        return nullptr;
    }

    removeUnfinishedBackups(app->m_folder.backupFolder());
    app->m_context = std::make_unique<AppContext>(app->m_folder, app->m_services, *app->m_db);
    app->m_main = std::make_unique<Frm_Main>(*app->m_context);
    registerRecordWindows(app->windows());
    QObject::connect(app->m_instance.get(), &SingleInstance::requested, app->m_main.get(),
        [raw = app.get()](const InstanceRequest &asked) {
            // Answered from the event loop, not from inside the socket's handler: an import waits
            // in an event loop of its own, during which the socket goes.
            QTimer::singleShot(0, raw->m_main.get(), [raw, asked] { raw->answer(asked); });
        });
    app->m_main->show();
    app->m_main->activateWindow();
    if (!filesToImport.isEmpty())
        QTimer::singleShot(0, app->m_main.get(), [raw = app.get(), request] { raw->answer(request); });
    result = Outcome::Started;
    return app;
}

void Orrisday::answer(const InstanceRequest &request)
{
    // A kind this copy does not know, from a newer one, asks nothing of it.
    if (request.kind == InstanceRequest::Activate) {
        m_main->bringForward();
    } else if (request.kind == InstanceRequest::Import) {
        m_main->bringForward();
        m_context->importFiles(request.arguments);
    } else if (request.kind == InstanceRequest::Reload) {
        m_context->announceStoreChange();
    }
}

void Orrisday::message(const QString &text, MessageIcon icon, const QString &title)
{
    m_services.dialogs->message(text, icon, title);
}
