// SPDX-License-Identifier: MIT
#include "tasks/Frm_Task.h"

#include "context/AppContext.h"
#include "context/RecordWindows.h"
#include "store/Views.h"
#include "tasks/frmtask_info.h"
#include "widgets/ImageButton.h"

namespace {

const QString ListKey = QStringLiteral("Frm_Task");
const QString EditorKey = QStringLiteral("FrmTask_Info");

// Columns of the task view: Priority, CODE, Name, Description, Date, Time, Status, TASK_CATEGORY;
// the code and the category are not shown.
const CategoryList::Grids TaskGrids { &store::taskView, { 1, 7 }, {}, { 2, 4, 5 } };

} // namespace

Frm_Task::Frm_Task(AppContext &app, QWidget *owner)
    : CategoryList(app, ListKey, { store::Table::Task, 8, QStringLiteral("task"), EditorKey },
        QStringLiteral("Tasks"), QSize(600, 350), owner, QStringLiteral("lblTaskCancel"),
        { QStringLiteral("Personal"), QStringLiteral("Business") }, TaskGrids)
{
    connect(lblnew, &ImageButton::clicked, this, &Frm_Task::newTask);
    connect(lbledit, &ImageButton::clicked, this, &Frm_Task::editTask);
    connect(lblDelete, &ImageButton::clicked, this, &Frm_Task::deleteTask);
}

void Frm_Task::newTask()
{
    if (auto *editor = qobject_cast<frmtask_info *>(app().windows().open(EditorKey)))
        editor->startNew();
}

void Frm_Task::editTask()
{
    const records::RecordKey key = selection();
    if (key.name.isEmpty() && key.date.isEmpty()) {
        askForSelection(QStringLiteral(" Orrisday"));
        return;
    }
    editStored({ key.name.trimmed(), key.date, key.time }, Matches::First,
        [key](QWidget *editor, const store::Record &task, const QList<store::Record> &reminders) {
            if (auto *taskEditor = qobject_cast<frmtask_info *>(editor))
                taskEditor->startEdit(key, task, reminders);
        });
}

void Frm_Task::deleteTask()
{
    deleteSelection({ Matches::Every, Matches::First, QStringLiteral(" TASK DELETED SUCCESSFULLY"),
        QStringLiteral("Orrisdaye"), QStringLiteral(" Orrisdaye") });
}
