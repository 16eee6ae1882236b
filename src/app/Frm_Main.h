// SPDX-License-Identifier: MIT
// The home window: calendar, clock, agenda and the buttons that open the record windows.
#pragma once

#include <QWidget>
#include <memory>

class Orrisday;
class QLineEdit;
class RecordWindows;

class Frm_Main final : public QWidget
{
    Q_OBJECT
public:
    explicit Frm_Main(Orrisday &app);
    ~Frm_Main() override;

    RecordWindows &windows() { return *m_windows; }

public slots:
    /// Closes the record window that the marker names.
    void check();
    /// Closes the open record window and opens the key's window beside this one.
    void openRecordWindow(const QString &key);
    /// Loads the window's state afresh: record sources re-read, calendar to today, timers
    /// restarted, marker emptied, agenda refilled. Then shows the window.
    void reload();
    /// Shows the window restored and focused (another start of the program asked for it).
    void bringForward();

signals:
    /// The window was loaded afresh; whoever reads the store for it reads again.
    void reloaded();

private:
    Orrisday &m_app;
    QLineEdit *Text1 = nullptr;
    std::unique_ptr<RecordWindows> m_windows;
};
