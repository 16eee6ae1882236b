// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class Frm_Main;
class Lifecycle;
class QAction;
class QMenu;
class TrayIcon;

/// Puts the main window away into the notification area and brings it back. The icon offers
/// the menu `mnuMain` on a right click; a left double click restores the window.
class TrayController final : public QObject
{
    Q_OBJECT
public:
    TrayController(TrayIcon &tray, Lifecycle &lifecycle, Frm_Main &main);

    QMenu *menu() const { return mnuMain; }

public slots:
    /// Closes the open record window, shows the icon with the tip and hides the main window;
    /// minimises it instead on a desktop without a notification area.
    void hideToTray(const QString &tip);
    /// Shows the main window and removes the icon.
    void restore();
    /// Removes the icon and ends the program.
    void exitProgram();

private:
    QAction *action(const QString &name, const QString &caption);

    TrayIcon &m_tray;
    Lifecycle &m_lifecycle;
    Frm_Main &m_main;
    QMenu *mnuMain;
};
