// SPDX-License-Identifier: MIT
#include "tasks/Frm_Task.h"

#include "context/AppContext.h"
#include "context/RecordWindows.h"
#include "reminders/ScanPause.h"
#include "store/Views.h"
#include "tasks/frmtask_info.h"
#include "widgets/ChoiceCombo.h"
#include "widgets/GroupedGrid.h"
#include "widgets/ImageButton.h"
#include "widgets/RecordRefresh.h"

#include <QLabel>
#include <QLineEdit>

namespace {

const QString ListKey = QStringLiteral("Frm_Task");
const QString EditorKey = QStringLiteral("FrmTask_Info");

// Columns of the task view: Priority, CODE, Name, Description, Date, Time, Status, TASK_CATEGORY.
constexpr int NameColumn = 2;
constexpr int DateColumn = 4;
constexpr int TimeColumn = 5;

} // namespace

Frm_Task::Frm_Task(AppContext &app, QWidget *owner)
    : RecordList(app, ListKey, QStringLiteral("Tasks"), QSize(480, 350), owner, QStringLiteral("lblTaskCancel"))
{
    auto *lblcategory = new QLabel(QStringLiteral("Category"), this);
    lblcategory->setObjectName(QStringLiteral("lblcategory"));
    lblcategory->setGeometry(16, 40, 70, 26);
    cmbcategory = new ChoiceCombo(
        app, QStringLiteral("cmbcategory"), { QStringLiteral("Personal"), QStringLiteral("Business") }, this);
    cmbcategory->setGeometry(90, 40, 140, 26);
    cmbcategory->setCurrentIndex(cmbcategory->findText(QStringLiteral("Business")));

    MSHFlexGrid1 = makeGrid(QStringLiteral("MSHFlexGrid1"));
    MSHFlexGrid2 = makeGrid(QStringLiteral("MSHFlexGrid2"));
    tryStore(QStringLiteral("The tasks could not be read"), [this] {
        MSHFlexGrid1->fill(store::groupedView(this->app().db(), store::taskView(QStringLiteral("Business"))));
        MSHFlexGrid2->fill(store::groupedView(this->app().db(), store::taskView(QStringLiteral("Personal"))));
    });
    showCategory(QStringLiteral("Business"));

    connect(cmbcategory, &QComboBox::activated, this, [this] { showCategory(cmbcategory->currentText()); });
    connect(lblnew, &ImageButton::clicked, this, &Frm_Task::newTask);
    connect(lbledit, &ImageButton::clicked, this, &Frm_Task::editTask);
    connect(lblDelete, &ImageButton::clicked, this, &Frm_Task::deleteTask);
}

GroupedGrid *Frm_Task::makeGrid(const QString &name)
{
    auto *grid = new GroupedGrid(name, store::taskView(QString()).columns, 0, this);
    grid->setGeometry(16, 76, width() - 32, height() - 76 - 56);
    grid->setHiddenColumns({ 1, 7 });
    connect(grid, &GroupedGrid::rowClicked, this, [this](const QStringList &cells) {
        select(cells.value(NameColumn), cells.value(DateColumn), cells.value(TimeColumn));
    });
    return grid;
}

void Frm_Task::showCategory(const QString &category)
{
    if (category == QStringLiteral("Business")) {
        MSHFlexGrid1->show();
        MSHFlexGrid2->hide();
    } else if (category == QStringLiteral("Personal")) {
        MSHFlexGrid2->show();
        MSHFlexGrid1->hide();
    }
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
    std::optional<store::Record> task;
    QList<store::Record> reminders;
    const bool read = tryStore(QStringLiteral("The task could not be opened"), [&] {
        const records::RecordKey wanted { key.name.trimmed(), key.date, key.time };
        const QList<store::Record> found = records::matchingRows(app().db().records(store::Table::Task), wanted);
        if (!found.isEmpty()) {
            task = found.first();
            if (task->number(8) != 0)
                reminders
                    = app().db().records(store::Table::Reminder, QStringLiteral("rem_no = ?"), { task->number(8) });
        }
    });
    if (!read)
        return;
    if (!task) {
        closeList();
        return;
    }
    if (auto *editor = qobject_cast<frmtask_info *>(app().windows().open(EditorKey)))
        editor->startEdit(key, *task, reminders);
}

void Frm_Task::deleteTask()
{
    const records::RecordKey key = selection();
    if (key.isEmpty()) {
        askForSelection(QStringLiteral(" Orrisdaye"));
        return;
    }
    ScanPause pause(app());
    int deleted = 0;
    const bool done = tryStore(QStringLiteral("The task could not be deleted"), [&] {
        store::Database &db = app().db();
        store::Transaction transaction(db);
        for (const store::Record &task : records::matchingRows(db.records(store::Table::Task), key)) {
            const QList<store::Record> reminders
                = db.records(store::Table::Reminder, QStringLiteral("rem_no = ?"), { task.number(8) });
            try {
                if (!reminders.isEmpty())
                    db.remove(store::Table::Reminder, reminders.first().rowid);
                db.remove(store::Table::Task, task.rowid);
            } catch (const store::Error &error) {
                if (error.code() != store::RecordDeleted)
                    throw;
            }
            ++deleted;
        }
        transaction.commit();
    });
    if (!done)
        return;
    if (deleted == 0) {
        askForSelection(QStringLiteral(" Orrisdaye"));
        return;
    }
    app().message(QStringLiteral(" TASK DELETED SUCCESSFULLY"), MessageIcon::Information, QStringLiteral("Orrisdaye"));
    refreshAfterChange(app(), ListKey, ListKey);
}
