// SPDX-License-Identifier: MIT
// What every window is handed: the program folder, the services, the store, the message door,
// the record window registry, and the signals by which windows ask the program for more.
#pragma once

#include "context/ProgramFolder.h"
#include "platform/Services.h"
#include "store/Views.h"

#include <QObject>

namespace store { class Database; }
class BackgroundSync;
class RecordWindows;

class AppContext final : public QObject
{
    Q_OBJECT
public:
    AppContext(ProgramFolder folder, Services &services, store::Database &db);
    ~AppContext() override;

    const ProgramFolder &folder() const { return m_folder; }
    Services &services() { return m_services; }
    store::Database &db() { return m_db; }

    /// The record windows; set by the main window, which owns them.
    RecordWindows &windows();
    void setWindows(RecordWindows *windows) { m_windows = windows; }

    /// Shows a message box through the dialogs service.
    void message(const QString &text, MessageIcon icon, const QString &title);
    /// Asks the shell to open a web page, document or program; says so when nothing could open it.
    void OpenWithShell(const QString &target, const QString &workingFolder = {});

    /// Reads calendar (.ics) and contact (.vcf) files into the store, tells the user what was read,
    /// and has the program read the store again; whether the import succeeded.
    bool importFiles(const QStringList &files);

    /// The sync with the account's server, automatic or asked for.
    BackgroundSync &sync() { return *m_sync; }

    /// Tells whoever reads the store for the whole program (the main window's agenda, the scan) to
    /// read it again.
    void announceStoreChange() { emit storeChanged(); }
    /// Holds the reminder scan off, or lets it run again.
    void holdReminderScan(bool held) { emit reminderScanHeld(held); }
    /// Puts the main window away into the notification area, the icon carrying the tip.
    void hideToTray(const QString &tip) { emit trayRequested(tip); }
    /// Brings the program forward with the editor of the record a reminder belongs to (at the
    /// occurrence, for a repeating one).
    void openReminderOwner(store::ReminderKind kind, qint64 remNo, QDate occurrence = {})
    {
        emit reminderOwnerRequested(kind, remNo, occurrence);
    }

signals:
    void storeChanged();
    void reminderScanHeld(bool held);
    void trayRequested(const QString &tip);
    void reminderOwnerRequested(store::ReminderKind kind, qint64 remNo, QDate occurrence);

private:
    ProgramFolder m_folder;
    Services &m_services;
    store::Database &m_db;
    RecordWindows *m_windows = nullptr;
    std::unique_ptr<BackgroundSync> m_sync;
};
