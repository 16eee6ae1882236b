// SPDX-License-Identifier: MIT
#include "tasks/frmtask_info.h"

#include "context/AppContext.h"
#include "context/RecordWindows.h"
#include "reminders/rules/ReminderChoices.h"
#include "store/DateTimeText.h"
#include "widgets/ChoiceCombo.h"
#include "widgets/DateCombo.h"
#include "widgets/ImageButton.h"
#include "widgets/RecordRefresh.h"
#include "widgets/TimeCombo.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>

namespace {

const QString EditorKey = QStringLiteral("FrmTask_Info");
const QString ListKey = QStringLiteral("Frm_Task");

} // namespace

frmtask_info::frmtask_info(AppContext &app, QWidget *owner)
    : EditorWithReminder(
        app, QStringLiteral("frmtask_info"), EditorKey, QStringLiteral("Task Information"), QSize(480, 370), owner)
{
    caption(QStringLiteral("Name"), { 16, 44, 84, 26 });
    txtname = new QLineEdit(this);
    txtname->setObjectName(QStringLiteral("txtname"));
    txtname->setGeometry(100, 44, 364, 26);
    caption(QStringLiteral("Description"), { 16, 80, 84, 26 });
    txtdesp = new QLineEdit(this);
    txtdesp->setObjectName(QStringLiteral("txtdesp"));
    txtdesp->setGeometry(100, 80, 364, 26);

    caption(QStringLiteral("Start Date"), { 16, 116, 84, 26 });
    cmbdate = new DateCombo(app, QStringLiteral("cmbdate"), this);
    cmbdate->setGeometry(100, 116, 126, 26);
    caption(QStringLiteral("Time"), { 252, 116, 60, 26 });
    cmbtime = new TimeCombo(app, QStringLiteral("cmbtime"), QStringLiteral("List1"), QStringLiteral("List2"), this);
    cmbtime->setGeometry(316, 116, 148, 26);
    trackPicks(cmbtime);

    // Load: the fixed lists first, nothing preselected.
    caption(QStringLiteral("Priority"), { 252, 152, 60, 26 });
    cmbpriority = new ChoiceCombo(app, QStringLiteral("cmbpriority"),
        { QStringLiteral("Urgent"), QStringLiteral("High"), QStringLiteral("Medium"), QStringLiteral("Low") }, this);
    cmbpriority->setGeometry(316, 152, 148, 26);
    cmbpriority->setOptional(true);
    caption(QStringLiteral("Status"), { 16, 152, 84, 26 });
    cmbstatus = new ChoiceCombo(app, QStringLiteral("cmbstatus"),
        { QStringLiteral("Not Started"), QStringLiteral("In Progress"), QStringLiteral("Completed"),
            QStringLiteral("Awaiting"), QStringLiteral("Postponed") },
        this);
    cmbstatus->setGeometry(100, 152, 126, 26);
    caption(QStringLiteral("Category"), { 16, 188, 84, 26 });
    cmbcategory = new ChoiceCombo(app, QStringLiteral("cmbcategory"),
        { QStringLiteral("Business"), QStringLiteral("Personal") }, this, ChoiceCombo::Typing::Refused);
    cmbcategory->setGeometry(100, 188, 126, 26);

    buildReminderSection(
        { QStringLiteral("cmbremdate"), QStringLiteral("List3"), QStringLiteral("List4") }, { 16, 240 });
    cmbremdate = m_remDate;
    cmbremdate->requireNotBefore(cmbdate);

    cmbtime->hourList()->setVisible(true);
    cmbtime->minuteList()->setVisible(true);
    cmbremtime->hourList()->setVisible(false);
    cmbremtime->minuteList()->setVisible(false);
    cmbtime->preselectNow();
    cmbremtime->preselectNow();
    cmbtime->clearEditText();
    cmbremtime->clearEditText();
    forgetPicks();

    connect(lblsave, &ImageButton::clicked, this, &frmtask_info::save);
    connect(lblupdate, &ImageButton::clicked, this, &frmtask_info::updateTask);
    connect(lblcancel, &ImageButton::clicked, this, &frmtask_info::cancel);
}

void frmtask_info::startNew()
{
    setMode(Mode::New);
    const QDateTime now = app().services().clock->now();
    cmbdate->setEditText(store::dateText(now.date()));
    cmbtime->setEditText(QStringLiteral("%1  :  %2").arg(now.time().hour()).arg(now.time().minute()));
}

void frmtask_info::startEdit(
    const records::RecordKey &key, const store::Record &task, const QList<store::Record> &reminders)
{
    setMode(Mode::Edit);
    setStoredKey(key.name, key.date, key.time);
    txtname->setText(task.text(1));
    txtdesp->setText(task.text(2));
    cmbdate->setEditText(task.text(3));
    cmbtime->setEditText(task.text(4));
    cmbpriority->setEditText(task.text(6));
    cmbstatus->setEditText(task.text(5));
    cmbcategory->setEditText(task.text(7));
    if (task.number(8) == 0) {
        showNoReminder();
        return;
    }
    for (const store::Record &reminder : reminders)
        showStoredReminder(reminder);
}

store::Values frmtask_info::taskColumns(const QString &time) const
{
    return { { 1, txtname->text().trimmed() }, { 2, txtdesp->text().trimmed() },
        { 3, cmbdate->currentText().trimmed() }, { 4, time }, { 5, cmbstatus->currentText() },
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
    const bool ticked = remcheck->isChecked();
    const bool written = writeChange(QStringLiteral("The task could not be saved"), [&](store::Database &db) {
        store::Values task = taskColumns(cmbtime->pickedTime());
        task[0] = db.nextNumber(store::Table::Task);
        if (ticked) {
            const qint64 remNo = db.nextNumber(store::Table::Reminder);
            task[8] = remNo;
            db.insert(store::Table::Reminder, reminderColumns(remNo, reminderTimeToStore({})));
        }
        db.insert(store::Table::Task, task);
    });
    if (!written)
        return;
    cmbremdate->clearEditText();
    cmbremtime->clearEditText();
    finish(QStringLiteral("TASK ADDED SUCCESSFULLY"), QStringLiteral("Orrisdaye"), 1);
}

void frmtask_info::updateTask()
{
    if (!requiredFieldsFilled())
        return;
    applyReminderDefaults();
    const bool ticked = remcheck->isChecked();
    const records::RecordKey key { Text4->text(), Text5->text(), Text6->text() };
    const QString taskTime = reminders::timeToStore(!pickedSinceLoad(cmbtime), cmbtime->pickedTime(), key.time);
    int updated = 0;
    const bool written = writeChange(QStringLiteral("The task could not be updated"), [&](store::Database &db) {
        updated = 0;
        using store::Table;
        for (const store::Record &row : records::matchingRows(db.records(Table::Task), key)) {
            store::Values task = taskColumns(taskTime);
            const qint64 oldRemNo = row.number(8);
            const QList<store::Record> kept = oldRemNo == 0
                ? QList<store::Record>()
                : db.records(Table::Reminder, QStringLiteral("rem_no = ?"), { oldRemNo });
            if (kept.isEmpty()) {
                // No reminder so far (or one whose row is gone): the task gets a new one or none.
                task[8] = 0;
                if (ticked) {
                    const qint64 remNo = db.nextNumber(Table::Reminder);
                    task[8] = remNo;
                    db.insert(Table::Reminder, reminderColumns(remNo, reminderTimeToStore({})));
                }
                db.update(Table::Task, row.rowid, task);
            } else if (ticked) {
                // A kept reminder is renumbered with every update.
                const qint64 remNo = db.nextNumber(Table::Reminder);
                task[8] = remNo;
                db.update(Table::Task, row.rowid, task);
                for (const store::Record &reminder : kept)
                    db.update(
                        Table::Reminder, reminder.rowid, reminderColumns(remNo, reminderTimeToStore(reminder.text(2))));
            } else {
                task[8] = 0;
                db.update(Table::Task, row.rowid, task);
                db.update(Table::Reminder, kept.first().rowid, reminderColumns(0, store::NoDate));
                delete_Zero();
            }
            ++updated;
        }
    });
    if (written)
        finish(QStringLiteral("TASK UPDATED SUCCESSFULLY"), QStringLiteral("Orrisday"), updated);
}

void frmtask_info::finish(const QString &message, const QString &title, int times)
{
    for (int i = 0; i < times; ++i)
        app().message(message, MessageIcon::Information, title);
    refreshAfterChange(app(), EditorKey, ListKey);
}

void frmtask_info::cancel()
{
    app().windows().unload(EditorKey);
    app().windows().open(ListKey);
}
