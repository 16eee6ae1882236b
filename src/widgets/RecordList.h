// SPDX-License-Identifier: MIT
#pragma once

#include "store/Database.h"
#include "widgets/RecordWindow.h"
#include "widgets/rules/RecordKey.h"

#include <QDate>
#include <functional>

class GroupedGrid;
class ImageButton;
class QLineEdit;

/// What the task, schedule and note lists share: the New, Edit, Delete and Cancel buttons, the
/// selection boxes Text1 (name), Text2 (date), Text3 (time) filled from the grid's highlighted row,
/// and the
/// finding and deleting of the selected records with their reminders.
class RecordList : public RecordWindow
{
    Q_OBJECT
public:
    /// The records a list shows and how it treats several records of one name, date and time.
    struct RecordKind
    {
        store::Table table;
        int remNoColumn;
        QString noun;      ///< "task", "schedule", "note": named in failure messages
        QString editorKey; ///< the key of the kind's editor
    };
    enum class Matches { First, Last, Every };

    RecordList(AppContext &app, const QString &objectName, RecordKind kind, const QString &title, QSize size,
        QWidget *owner, const QString &cancelName);

    records::RecordKey selection() const;

public slots:
    /// Takes a row's name, date and time as the selection.
    void select(const QString &name, const QString &date, const QString &time);

protected:
    /// Follows the grid's highlighted row, reading the key from the grid columns given (-1: none),
    /// and edits a row double-clicked or entered as Edit does.
    void takeSelectionFrom(GroupedGrid *grid, records::KeyColumns key);
    /// " Please Select The Item" with the given title.
    void askForSelection(const QString &title);
    /// Closes this window and empties the window marker.
    void closeList();
    /// Runs a store action; when it fails, says so once, beginning with whatFailed, and gives false.
    /// The list stays as it is.
    bool tryStore(const QString &whatFailed, const std::function<void()> &action);
    /// Reads the grids: the action that fills them, its failure said once.
    void readGrids(const std::function<void()> &fill);

    /// Opens the kind's editor on the stored record the key names (its first or last match), with
    /// the reminder rows of that record. When none matches the list closes and no editor opens.
    using EditorOpener = std::function<void(QWidget *editor, const store::Record &, const QList<store::Record> &)>;
    void editStored(const records::RecordKey &key, Matches which, const EditorOpener &fill);

    /// What a Delete removes and says.
    struct Deletion
    {
        Matches records;       ///< the first matching record or every one
        Matches reminderRows;  ///< of each record, the first reminder row of its number or every one
        QString message;       ///< shown after the delete, with the information icon
        QString title;         ///< of that message
        QString selectTitle;   ///< of " Please Select The Item", shown when nothing is selected or matches
    };
    /// Deletes the selected records with their reminder rows in one change, the scan held off,
    /// then reopens the list. A selection that matches nothing asks for another one. When a record
    /// repeats, the user chooses between its first occurrence left out and the whole series.
    void deleteSelection(const Deletion &deletion);

    ImageButton *lblnew;
    ImageButton *lbledit;
    ImageButton *lblDelete;
    ImageButton *m_cancel;
    QLineEdit *Text1;
    QLineEdit *Text2;
    QLineEdit *Text3;

private:
    QList<store::Record> remindersOf(const store::Record &record) const;
    /// The first occurrence of each record that repeats, by rowid.
    QHash<qint64, QDate> firstOccurrences(const QList<store::Record> &records) const;

    RecordKind m_kind;
};
