// SPDX-License-Identifier: MIT
#include "app/WindowCatalog.h"

#include "app/Frm_About.h"
#include "contacts/FrmContact_Info.h"
#include "contacts/Frm_Contact.h"
#include "context/RecordWindows.h"
#include "notes/Frm_Note.h"
#include "notes/frmnote_info.h"
#include "schedules/Frm_Schedule.h"
#include "schedules/frmschedule_info.h"
#include "options/Frm_Option.h"
#include "tasks/Frm_Task.h"
#include "tasks/frmtask_info.h"

namespace {

template <typename Window>
RecordWindows::Factory make()
{
    return [](AppContext &app, QWidget *owner) -> QWidget * { return new Window(app, owner); };
}

} // namespace

void registerRecordWindows(RecordWindows &windows)
{
    windows.add(QStringLiteral("Frm_About"), make<Frm_About>());
    windows.add(QStringLiteral("Frm_Option"), make<Frm_Option>());
    windows.add(QStringLiteral("Frm_Task"), make<Frm_Task>());
    windows.add(QStringLiteral("Frm_Contact"), make<Frm_Contact>());
    windows.add(QStringLiteral("FrmContact_Info"), make<FrmContact_Info>());
    windows.add(QStringLiteral("FrmTask_Info"), make<frmtask_info>());
    windows.add(QStringLiteral("Frm_Schedule"), make<Frm_Schedule>());
    windows.add(QStringLiteral("FrmSchedule_Info"), make<frmschedule_info>());
    windows.add(QStringLiteral("Frm_Note"), make<Frm_Note>());
    windows.add(QStringLiteral("FrmNote_Info"), make<frmnote_info>());
}
