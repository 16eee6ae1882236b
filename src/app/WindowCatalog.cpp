// SPDX-License-Identifier: MIT
#include "app/WindowCatalog.h"

#include "app/Frm_About.h"
#include "context/RecordWindows.h"
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
    windows.add(QStringLiteral("FrmTask_Info"), make<frmtask_info>());
}
