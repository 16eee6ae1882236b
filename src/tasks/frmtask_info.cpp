// SPDX-License-Identifier: MIT
#include "tasks/frmtask_info.h"

#include "context/AppContext.h"
#include "store/DateTimeText.h"
#include "widgets/ChoiceCombo.h"
#include "widgets/DateCombo.h"
#include "widgets/ImageButton.h"
#include "widgets/TimeCombo.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>

namespace {

const QString EditorKey = QStringLiteral("FrmTask_Info");
const QString ListKey = QStringLiteral("Frm_Task");
const EditorWithReminder::RecordTable TaskTable { store::Table::Task, 8, QStringLiteral("task") };

} // namespace

frmtask_info::frmtask_info(AppContext &app, QWidget *owner)
    : RepeatingEditor(app, QStringLiteral("frmtask_info"), { EditorKey, ListKey }, EditorKey,
        QStringLiteral("Task Information"), QSize(480, 370), owner, TaskTable)
{
    txtname = textField(QStringLiteral("txtname"), QStringLiteral("Name"), 44);
    txtdesp = textField(QStringLiteral("txtdesp"), QStringLiteral("Description"), 80);
    caption(QStringLiteral("Start Date"), { 16, 116, 84, 26 });
    const DateTimeRow start = dateTimeRow(
        QStringLiteral("cmbdate"), QStringLiteral("cmbtime"), QStringLiteral("List1"), QStringLiteral("List2"), 116);
    cmbdate = start.date;
    cmbtime = start.time;
    // Load: the fixed lists first, nothing preselected.
    const FixedChoices choices = buildFixedChoices(152);
    cmbpriority = choices.priority;
    cmbstatus = choices.status;
    cmbcategory = choices.category;

    buildReminderSection(
        { QStringLiteral("cmbremdate"), QStringLiteral("List3"), QStringLiteral("List4") }, { 16, 240 });
    cmbremdate = m_remDate;
    cmbremdate->requireNotBefore(cmbdate);
    buildRepeatCombo({ cmbdate, {}, { 3 } }, 188);

    preselectNow({ cmbtime, cmbremtime });

    connect(lblsave, &ImageButton::clicked, this, &frmtask_info::save);
    connect(lblupdate, &ImageButton::clicked, this, &frmtask_info::updateTask);
}

void frmtask_info::startNew()
{
    setMode(Mode::New);
    showToday(cmbdate, cmbtime);
}

void frmtask_info::startEdit(
    const records::RecordKey &key, const store::Record &task, const QList<store::Record> &reminders)
{
    setMode(Mode::Edit);
    setStoredKey(key.name, key.date, key.time);
    txtname->setText(task.text(1));
    txtdesp->setText(task.text(2));
    cmbdate->setEditText(task.text(3));
    showStoredTime(cmbtime, task.text(4));
    cmbpriority->setEditText(task.text(6));
    cmbstatus->setEditText(task.text(5));
    cmbcategory->setEditText(task.text(7));
    showReminders(task.number(8), reminders);
    showStoredRepeat(task);
}

store::Values frmtask_info::taskColumns() const
{
    return { { 1, txtname->text().trimmed() }, { 2, txtdesp->text().trimmed() },
        { 3, cmbdate->currentText().trimmed() }, { 4, cmbtime->pickedTime() }, { 5, cmbstatus->currentText() },
        { 6, cmbpriority->currentText().trimmed() }, { 7, cmbcategory->currentText().trimmed() } };
}

bool frmtask_info::requiredFieldsFilled()
{
    return requireFilled(
        { cmbcategory->currentText(), cmbstatus->currentText(), txtname->text(), cmbdate->currentText() },
        QStringLiteral("Please Enter Data"), MessageIcon::Warning, QStringLiteral("Orisday"));
}

void frmtask_info::save()
{
    if (!requiredFieldsFilled())
        return;
    applyReminderDefaults();
    saveRepeating(taskColumns(), QStringLiteral("TASK ADDED SUCCESSFULLY"), QStringLiteral("Orrisdaye"));
}

void frmtask_info::updateTask()
{
    if (!requiredFieldsFilled())
        return;
    applyReminderDefaults();
    updateRepeating(
        taskColumns(), QStringLiteral("TASK UPDATED SUCCESSFULLY"), QStringLiteral("Orrisday"), Messages::PerRecord);
}
