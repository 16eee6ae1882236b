// SPDX-License-Identifier: MIT
#include "schedules/Frm_Schedule.h"

#include "context/AppContext.h"
#include "context/RecordWindows.h"
#include "schedules/frmschedule_info.h"
#include "store/Views.h"
#include "widgets/ChoiceCombo.h"
#include "widgets/ImageButton.h"
#include "context/OnScreen.h"

namespace {

const QString ListKey = QStringLiteral("Frm_Schedule");
const QString EditorKey = QStringLiteral("FrmSchedule_Info");

// Columns of the schedule view: Priority, CODE, Name, Description, Start Date, Start Time,
// Due Date, Due Time, Status, schedule_category; the code and the category are not shown.
const CategoryList::Grids ScheduleGrids { &store::scheduleView, { 1, 9 }, { 1, 2, 3, 4 }, { 2, 4, 5 } };

// The editor of a stored schedule stands 1450 twips right of the main window, 70 more than the others.
constexpr int EditPlaceShift = 5;

} // namespace

Frm_Schedule::Frm_Schedule(AppContext &app, QWidget *owner)
    : CategoryList(app, ListKey, { store::Table::Schedule, 10, QStringLiteral("schedule"), EditorKey },
        QStringLiteral("Schedules"), QSize(720, 420), owner, QStringLiteral("lblcancel"),
        { QStringLiteral("Business"), QStringLiteral("Personal") }, ScheduleGrids)
{
    cmbcategory->setTyping(ChoiceCombo::Typing::Refused);
    cmbcategory->setMessages(QStringLiteral("Please Select Value From List"),
        QStringLiteral("Please do not enter any data"), QStringLiteral("Orrisday"));
    connect(lblnew, &ImageButton::clicked, this, &Frm_Schedule::newSchedule);
    connect(lbledit, &ImageButton::clicked, this, &Frm_Schedule::editSchedule);
    connect(lblDelete, &ImageButton::clicked, this, &Frm_Schedule::deleteSchedule);
}

void Frm_Schedule::newSchedule()
{
    if (auto *editor = qobject_cast<frmschedule_info *>(app().windows().open(EditorKey)))
        editor->startNew();
}

void Frm_Schedule::editSchedule()
{
    const records::RecordKey key = selection();
    if (key.isEmpty()) {
        askForSelection(QStringLiteral("Orrisdaye"));
        return;
    }
    editStored({ key.name.trimmed(), key.date, key.time }, Matches::First,
        [this, key](QWidget *editor, const store::Record &schedule, const QList<store::Record> &reminders) {
            if (auto *scheduleEditor = qobject_cast<frmschedule_info *>(editor)) {
                moveOnScreen(scheduleEditor, app().windows().place() + QPoint(EditPlaceShift, 0));
                scheduleEditor->startEdit(key, schedule, reminders);
            }
        });
}

void Frm_Schedule::deleteSchedule()
{
    deleteSelection({ Matches::First, Matches::First, QStringLiteral(" Schedule Deleted Successfully"),
        QStringLiteral("Orrisday"), QStringLiteral(" Orrisday") });
}
