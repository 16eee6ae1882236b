// SPDX-License-Identifier: MIT
// The home window: calendar, clock, agenda and the buttons that open the record windows.
#pragma once

#include <QList>
#include <QPixmap>
#include <QWidget>
#include <memory>

class AgendaPanel;
class AnalogClock;
class ImageButton;
class AppContext;
class EventTrigger;
class QCalendarWidget;
class QLineEdit;
class QSvgRenderer;
class RecordWindows;
class ReminderScan;
class SnoozeTimer;
class TrayController;

class Frm_Main final : public QWidget
{
    Q_OBJECT
public:
    explicit Frm_Main(AppContext &app);
    ~Frm_Main() override;

    RecordWindows &windows() { return *m_windows; }
    TrayController &tray() { return *m_tray; }
    ReminderScan &reminderScan() { return *m_reminderScan; }
    EventTrigger &eventTrigger() { return *m_eventTrigger; }
    SnoozeTimer &snoozeTimer() { return *m_snoozeTimer; }

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
    /// Fills the empty agenda lists with today's tasks and schedules (the window became active).
    void fillAgenda();

signals:
    /// The window was loaded afresh; the scan reads the store again.
    void reloaded();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void createCalendar();
    void createNavigation();
    void createPictures();
    ImageButton *button(const QString &name, const QString &art, QRect geometry);
    void showToday();

    AppContext &m_app;
    QSvgRenderer *m_background;
    QPixmap m_backgroundPicture;
    QLineEdit *Text1;
    QCalendarWidget *Calendar1;
    AnalogClock *p1;
    AgendaPanel *m_agenda;
    QList<ImageButton *> m_navigation;
    std::unique_ptr<RecordWindows> m_windows;
    TrayController *m_tray;
    bool m_dragging = false;
    QPoint m_grab;
    ReminderScan *m_reminderScan = nullptr;
    EventTrigger *m_eventTrigger = nullptr;
    SnoozeTimer *m_snoozeTimer = nullptr;
};
