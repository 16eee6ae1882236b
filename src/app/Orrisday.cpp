// SPDX-License-Identifier: MIT
#include "app/Orrisday.h"

#include "app/Frm_Main.h"
#include "app/SingleInstance.h"
#include "app/WindowCatalog.h"
#include "options/ManualBackup.h"
#include "store/Database.h"

#include <QCoreApplication>
#include <QDir>

Orrisday::Orrisday(const QString &programFolder, Services services)
    : m_folder{programFolder}, m_services(std::move(services))
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

std::unique_ptr<Orrisday> Orrisday::start(const QString &programFolder, Services services, Outcome *outcome)
{
    Outcome ignored;
    Outcome &result = outcome ? *outcome : ignored;
    result = Outcome::Failed;
    QCoreApplication::setApplicationName(Title);
    std::unique_ptr<Orrisday> app(new Orrisday(programFolder, std::move(services)));

    app->m_instance = std::make_unique<SingleInstance>(SingleInstance::keyForFolder(programFolder));
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
    QObject::connect(app->m_instance.get(), &SingleInstance::activationRequested, app->m_main.get(),
                     &Frm_Main::bringForward);
    app->m_main->show();
    app->m_main->activateWindow();
    result = Outcome::Started;
    return app;
}

void Orrisday::message(const QString &text, MessageIcon icon, const QString &title)
{
    m_services.dialogs->message(text, icon, title);
}
