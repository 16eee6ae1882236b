// SPDX-License-Identifier: MIT
#include "app/Orrisday.h"

#include "app/Frm_Main.h"
#include "app/SingleInstance.h"
#include "app/WindowCatalog.h"
#include "store/Database.h"

#include <QCoreApplication>

Orrisday::Orrisday(const QString &programFolder, Services services)
    : m_folder{programFolder}, m_services(std::move(services))
{
}

Orrisday::~Orrisday() = default;

std::unique_ptr<Orrisday> Orrisday::start(const QString &programFolder, Services services)
{
    QCoreApplication::setApplicationName(Title);
    std::unique_ptr<Orrisday> app(new Orrisday(programFolder, std::move(services)));

    app->m_instance = std::make_unique<SingleInstance>(SingleInstance::keyForFolder(programFolder));
    switch (app->m_instance->state()) {
    case SingleInstance::State::Primary:
        break;
    case SingleInstance::State::Secondary:
        return nullptr;
    case SingleInstance::State::Unreachable:
        app->message(QStringLiteral("Orrisday is already running."), MessageIcon::None, {});
        return nullptr;
    }

    try {
        app->m_db = std::make_unique<store::Database>(app->m_folder.database());
    } catch (const store::Error &e) {
        app->message(QStringLiteral("Orrisday cannot open its database:\n%1").arg(QString::fromStdString(e.what())),
                     MessageIcon::Critical, {});
        return nullptr;
    }

    app->m_context = std::make_unique<AppContext>(app->m_folder, app->m_services, *app->m_db);
    app->m_main = std::make_unique<Frm_Main>(*app->m_context);
    registerRecordWindows(app->windows());
    QObject::connect(app->m_instance.get(), &SingleInstance::activationRequested, app->m_main.get(),
                     &Frm_Main::bringForward);
    app->m_main->show();
    app->m_main->activateWindow();
    return app;
}

void Orrisday::message(const QString &text, MessageIcon icon, const QString &title)
{
    m_services.dialogs->message(text, icon, title);
}
