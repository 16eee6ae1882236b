// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QWidget>

namespace store {
class Database;
enum class Table;
} // namespace store
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;

/// The main window's agenda: the tasks and schedules of one day, and the description of the
/// item last clicked.
class AgendaPanel final : public QWidget
{
    Q_OBJECT
public:
    AgendaPanel(store::Database &db, QWidget *parent);

    /// Back to the state of a freshly loaded window: empty lists and the design texts.
    void reset();
    /// Fills each empty list with the day's items (the main window became active).
    void fillEmptyLists(QDate today);
    /// Shows a day chosen on the calendar.
    void showDay(QDate day);

private:
    void fillTasks(QDate day, const QString &noneText);
    void fillSchedules(QDate day, bool disableSpansWhenNone);
    void showUnreadable(QListWidget *list);
    void showDescription(QListWidgetItem *item, store::Table table);

    store::Database &m_db;
    QLabel *Label3;
    QLabel *Label2;
    QLabel *Label1;
    QLabel *Label4;
    QListWidget *lsttask;
    QListWidget *lstschedule;
    QListWidget *lstschedule1;
    QPlainTextEdit *txtdesp;
};
