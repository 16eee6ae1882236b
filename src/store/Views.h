// SPDX-License-Identifier: MIT
// Read-only views over the store: the list windows' grouped grids, the reminder scan's joined
// sources and the main window's agenda.
#pragma once

#include "store/Database.h"

#include <QDate>
#include <QTime>
#include <optional>

namespace store {

/// A view's column: its heading and the table column it shows.
struct ViewColumn
{
    QString heading;
    int column; ///< -1: a column without data; RepeatsColumn: how the record repeats
};

/// The view column that says in words how a task or schedule repeats (empty for one that happens
/// once), its series starting on the record's date (column 3).
constexpr int RepeatsColumn = -2;

/// A list window's view: columns of one table in number order, optionally filtered by one
/// column's value and grouped by another.
struct ViewSpec
{
    Table table;
    QList<ViewColumn> columns;
    int filterColumn = -1;
    QString filterValue;
    int groupColumn = -1; ///< a table column; -1 for a flat view
};

/// One parent row of a grouped view with its child rows (texts in the view's column order).
struct ViewGroup
{
    QString key;
    QList<QStringList> rows;
};

/// Parents in order of first appearance, children in number order. A flat view gives one
/// group with an empty key.
QList<ViewGroup> groupedView(const Database &db, const ViewSpec &view);

/// The task grid of one category, grouped by priority; the last column says how each repeats.
ViewSpec taskView(const QString &category);
/// The schedule grid of one category, grouped by priority; the last column says how each repeats.
ViewSpec scheduleView(const QString &category);
/// The note grid: every note, not grouped, after a blank row-header column.
ViewSpec noteView();

enum class ReminderKind { Task, Schedule, Note, Birthday };

/// A reminder joined with its owner, as the reminder scan reads it.
struct JoinedReminder
{
    ReminderKind kind;
    QString ownerName;     ///< the task, schedule or note name; empty for a birthday
    QDate date;            ///< invalid when the column holds no day
    QTime time;            ///< invalid when the column holds no time of day
    QString sound;
    QString message;
    QString program;
    QString contactMobile; ///< birthdays only: the mobile number of the birthday's own contact
    qint64 remNo = 0;
    qint64 ownerRowid = 0; ///< tasks, schedules and notes
    QDate occurrence;      ///< a repeating owner's occurrence that the reminder is for; invalid otherwise
};

/// The four joined sources in order: tasks, schedules, notes, birthdays; only the reminders that
/// can fall due on `day` or the day before (birthdays by their month and day, repeating tasks and
/// schedules once for each occurrence, after those that happen once).
QList<JoinedReminder> joinedReminders(const Database &db, QDate day);
/// The reminder of that number with its owner, of the kind; none when it is gone.
std::optional<JoinedReminder> joinedReminder(const Database &db, ReminderKind kind, qint64 remNo);
/// The statement that reads the reminders near a day of one table's records that happen once, and its parameters.
/// With `besideSeries`, the table's repeating records are left out.
std::pair<QString, QVariantList> ownedRemindersNear(Table owner, QDate day, bool besideSeries = false);
/// The statement that reads the birthday reminders near a day, and its parameters.
std::pair<QString, QVariantList> birthdayRemindersNear(QDate day);

/// A computer event as the event trigger reads it.
struct StoredEvent
{
    qint64 id = 0;
    QString name;
    QDate date; ///< invalid when the column holds no day
    QTime time; ///< invalid when the column holds no time of day
};

/// The query of the events on a day or the day before, in table order.
std::pair<QString, QVariantList> eventsNear(QDate day);

/// The rows of EVENT_INFO that fall on a day or the day before, in table order.
QList<StoredEvent> storedEvents(const Database &db, QDate day);

struct AgendaItem
{
    QString name;
    QString description;
    QString span; ///< schedules only: start and due time joined by "  -  "
    qint64 rowid = 0;
};

/// The tasks or schedules of one day, in table order, with the repeating ones that occur on it.
QList<AgendaItem> agendaTasks(const Database &db, QDate day);
QList<AgendaItem> agendaSchedules(const Database &db, QDate day);

/// The description (column 2) of the last row whose name (column 1) is the given one.
QString lastDescription(const Database &db, Table table, const QString &name);

} // namespace store
