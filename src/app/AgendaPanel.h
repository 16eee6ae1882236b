// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QWidget>

namespace store {
class Database;
enum class Table;
struct AgendaItem;
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

signals:
    /// A task or schedule was double-clicked or entered: its record, on the day shown.
    void recordChosen(store::Table table, qint64 rowid, QDate day);

private:
    /// Lists the items' names, each knowing its record.
    void addItems(QListWidget *list, const QList<store::AgendaItem> &items);
    void choose(QListWidgetItem *item, store::Table table);

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
    QDate m_day;
};
