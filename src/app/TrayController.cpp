// SPDX-License-Identifier: MIT
#include "app/TrayController.h"

#include "app/Frm_Main.h"
#include "platform/Services.h"

#include <QMenu>

TrayController::TrayController(TrayIcon &tray, Lifecycle &lifecycle, Frm_Main &main)
    : QObject(&main)
    , m_tray(tray)
    , m_lifecycle(lifecycle)
    , m_main(main)
    , mnuMain(new QMenu(&main))
{
    setObjectName(QStringLiteral("ModTray"));
    mnuMain->setObjectName(QStringLiteral("mnuMain"));
    mnuMain->setTitle(QStringLiteral("Menu"));
    action(QStringLiteral("mnuorrisday"), QStringLiteral("Orrisday v1.6"));
    action(QStringLiteral("p"), {})->setSeparator(true);
    connect(action(QStringLiteral("mnuShow"), QStringLiteral("&Show in Full Mode")), &QAction::triggered, this, [this] {
        mnuMain->hide();
        restore();
    });
    connect(action(QStringLiteral("exit"), QStringLiteral("Exit")), &QAction::triggered, this,
        &TrayController::exitProgram);
    connect(&m_tray, &TrayIcon::doubleClicked, this, &TrayController::restore);
}

QAction *TrayController::action(const QString &name, const QString &caption)
{
    QAction *item = mnuMain->addAction(caption);
    item->setObjectName(name);
    return item;
}

void TrayController::hideToTray(const QString &tip)
{
    m_main.check();
    // Without a notification area there would be no way back but a second start.
    if (!m_tray.isAvailable()) {
        m_main.showMinimized();
        return;
    }
    m_tray.show(tip, mnuMain);
    m_main.hide();
}

void TrayController::restore()
{
    m_main.show();
    m_tray.remove();
}

void TrayController::exitProgram()
{
    m_tray.remove();
    m_lifecycle.endProgram();
}
