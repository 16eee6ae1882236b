// SPDX-License-Identifier: MIT
// The running program: it opens the store on its folder, builds the context every window is
// handed, and owns the main window.
#pragma once

#include "context/AppContext.h"
#include "context/MakerPages.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace store { class Database; }
class Frm_Main;
class SingleInstance;
struct InstanceRequest;

class Orrisday
{
public:
    /// The application title, shown by every message box without a title of its own.
    static inline const QString Title = QStringLiteral("Orrisday");
    static inline const QString Version = QStringLiteral(ORRISDAY_VERSION);
    /// The maker's tell-a-friend web page.
    static inline const QString TellFriendPage = maker::TellFriendPage;

    enum class Outcome { Started, AlreadyRunning, Failed };

    /// Names the application for Qt and the desktop: "orrisday", so that Qt's own per-user folders
    /// are the data folder's, shown as the title.
    static void nameApplication();

    /// Starts the program on its folder, shows the main window and imports the files given.
    /// When the program already runs on that data folder, hands it the files (or asks it to come
    /// forward) and gives nothing; when it cannot start, says why and gives nothing. The outcome,
    /// when asked for, tells which.
    static std::unique_ptr<Orrisday> start(const ProgramFolder &folder, Services services,
        Outcome *outcome = nullptr, const QStringList &filesToImport = {});
    ~Orrisday();

    AppContext &context() { return *m_context; }
    Frm_Main &mainWindow() { return *m_main; }

    const ProgramFolder &folder() const { return m_folder; }
    Services &services() { return m_services; }
    store::Database &db() { return *m_db; }
    RecordWindows &windows() { return m_context->windows(); }
    void message(const QString &text, MessageIcon icon, const QString &title);

private:
    Orrisday(const ProgramFolder &folder, Services services);
    /// Answers another start of the program.
    void answer(const InstanceRequest &request);

    ProgramFolder m_folder;
    Services m_services;
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<store::Database> m_db;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<Frm_Main> m_main;
};
