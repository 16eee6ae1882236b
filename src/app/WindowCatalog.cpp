// SPDX-License-Identifier: MIT
#include "app/WindowCatalog.h"

#include "app/Frm_About.h"
#include "app/RecordWindows.h"

namespace {

template <typename Window>
RecordWindows::Factory make()
{
    return [](Orrisday &app, QWidget *owner) -> QWidget * { return new Window(app, owner); };
}

} // namespace

void registerRecordWindows(RecordWindows &windows)
{
    windows.add(QStringLiteral("Frm_About"), make<Frm_About>());
}
