// SPDX-License-Identifier: MIT
#include "schedules/frmschedule_info.h"

#include "context/AppContext.h"
#include "store/DateTimeText.h"
#include "widgets/ChoiceCombo.h"
#include "widgets/DateCombo.h"
#include "widgets/ImageButton.h"
#include "widgets/TimeCombo.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString EditorKey = QStringLiteral("FrmSchedule_Info");
const QString ListKey = QStringLiteral("Frm_Schedule");
constexpr int RemNoColumn = 10;
const EditorWithReminder::RecordTable ScheduleTable { store::Table::Schedule, RemNoColumn, QStringLiteral("schedule") };

} // namespace

frmschedule_info::frmschedule_info(AppContext &app, QWidget *owner)
    : RepeatingEditor(app, QStringLiteral("frmschedule_info"), { EditorKey, ListKey },
        QStringLiteral("frmschedule_info"), QString(), QSize(480, 390), owner, ScheduleTable)
{
    // The title line is a label of its own, worded by the opener; the window's title follows it.
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(16, 0, width() - 32, 30);
    QFont bold = Label2->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    Label2->setFont(bold);
    Label2->setStyleSheet(QStringLiteral("color: #F4F7FA; background: transparent;"));
    setHeading(QStringLiteral("New Schedule Information"));

    txtname = textField(QStringLiteral("txtname"), QStringLiteral("Name"), 44);
    txtdesp = textField(QStringLiteral("txtdesp"), QStringLiteral("Description"), 80);
    caption(QStringLiteral("Start Date"), { 16, 116, 84, 26 });
    const DateTimeRow start = dateTimeRow(QStringLiteral("cmbstartdate"), QStringLiteral("cmbstarttime"),
        QStringLiteral("List1"), QStringLiteral("List2"), 116);
    cmbstartdate = start.date;
    cmbstarttime = start.time;
    endcheck = new QCheckBox(QStringLiteral("End Date"), this);
    endcheck->setObjectName(QStringLiteral("endcheck"));
    endcheck->setGeometry(16, 152, 84, 26);
    const DateTimeRow due = dateTimeRow(
        QStringLiteral("cmbduedate"), QStringLiteral("cmbduetime"), QStringLiteral("List3"), QStringLiteral("List4"), 152);
    cmbduedate = due.date;
    cmbduetime = due.time;
    cmbduedate->requireNotBefore(cmbstartdate);

    // Load: the fixed lists first, nothing preselected.
    const FixedChoices choices = buildFixedChoices(188);
    cmbpriority = choices.priority;
    cmbstatus = choices.status;
    cmbcategory = choices.category;

    buildReminderSection(
        { QStringLiteral("cmbrem1date"), QStringLiteral("List5"), QStringLiteral("List6") }, { 16, 276 });
    cmbrem1date = m_remDate;
    cmbrem1date->requireNotAfter(cmbduedate, cmbstartdate);
    cmdadv->setText(QStringLiteral("Advance "));
    buildRepeatCombo({ cmbstartdate, { cmbduedate }, { 3, 5 } }, 224);

    endcheck->setChecked(false);
    cmbduedate->setEnabled(false);
    cmbduetime->setEnabled(false);
    preselectNow({ cmbstarttime, cmbduetime, cmbremtime });

    connect(endcheck, &QCheckBox::clicked, this, &frmschedule_info::endcheckClicked);
    connect(lblsave, &ImageButton::clicked, this, &frmschedule_info::save);
    connect(lblupdate, &ImageButton::clicked, this, &frmschedule_info::updateSchedule);
}

void frmschedule_info::setHeading(const QString &heading)
{
    Label2->setText(heading);
    setWindowTitle(heading);
}

void frmschedule_info::startNew()
{
    setMode(Mode::New);
    setHeading(QStringLiteral("New Schedule Information"));
    showToday(cmbstartdate, cmbstarttime);
}

void frmschedule_info::startEdit(
    const records::RecordKey &key, const store::Record &schedule, const QList<store::Record> &reminders)
{
    setMode(Mode::Edit);
    setHeading(QStringLiteral("Edit Schedule Information"));
    setStoredKey(key.name, key.date, key.time);
    txtname->setText(schedule.text(1));
    txtdesp->setText(schedule.text(2));
    cmbstartdate->setEditText(schedule.text(3));
    showStoredTime(cmbstarttime, schedule.text(4));
    if (schedule.text(5) == store::NoDate) {
        endcheck->setChecked(false);
        cmbduedate->clearEditText();
        cmbduetime->clearEditText();
    } else {
        endcheck->setChecked(true);
        endcheckClicked();
        cmbduedate->setEditText(schedule.text(5));
        showStoredTime(cmbduetime, schedule.text(6));
    }
    cmbpriority->setEditText(schedule.text(8));
    cmbstatus->setEditText(schedule.text(7));
    cmbcategory->setEditText(schedule.text(9));
    showReminders(schedule.number(RemNoColumn), reminders);
    showStoredRepeat(schedule);
}

void frmschedule_info::endcheckClicked()
{
    const QDateTime now = app().services().clock->now();
    cmbduedate->setEnabled(true);
    cmbduetime->setEnabled(true);
    cmbduedate->setEditText(store::dateText(now.date()));
    showCurrentTime(cmbduetime, now.time(), store::timeText(now.time()));
    if (!endcheck->isChecked()) {
        cmbduedate->setEnabled(false);
        cmbduetime->setEnabled(false);
        cmbduedate->clearEditText();
        cmbduetime->clearEditText();
    }
}

bool frmschedule_info::requiredFieldsFilled()
{
    return requireFilled(
        { cmbcategory->currentText(), cmbstatus->currentText(), txtname->text(), cmbstartdate->currentText() },
        QStringLiteral("Please Enter Data"), MessageIcon::Information, QStringLiteral("Orrisday"));
}

bool frmschedule_info::endsAtStart() const
{
    return !endcheck->isChecked() || (cmbduedate->currentText().isEmpty() && cmbduetime->currentText().isEmpty());
}

store::Values frmschedule_info::scheduleColumns() const
{
    // Only the written row gets the end defaults: should the write fail, the boxes stay as they were.
    const bool atStart = endsAtStart();
    return { { 1, txtname->text().trimmed() }, { 2, txtdesp->text().trimmed() },
        { 3, cmbstartdate->currentText().trimmed() }, { 4, cmbstarttime->pickedTime() },
        { 5, (atStart ? cmbstartdate : cmbduedate)->currentText().trimmed() },
        { 6, (atStart ? cmbstarttime : cmbduetime)->pickedTime() },
        { 7, cmbstatus->currentText().trimmed() }, { 8, cmbpriority->currentText().trimmed() },
        { 9, cmbcategory->currentText().trimmed() } };
}

void frmschedule_info::save()
{
    if (!requiredFieldsFilled())
        return;
    applyReminderDefaults(ChoiceBoxes::Kept);
    saveRepeating(scheduleColumns(), QStringLiteral("SCHEDULE ADDED SUCCESSFULLY"), QStringLiteral("Orrisday"));
}

void frmschedule_info::updateSchedule()
{
    if (!requiredFieldsFilled())
        return;
    applyReminderDefaults();
    updateRepeating(scheduleColumns(), QStringLiteral("SCHEDULE UPDATED SUCCESSFULLY "), QStringLiteral("Orrisday"),
        Messages::Once);
}
