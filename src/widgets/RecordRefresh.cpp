// SPDX-License-Identifier: MIT
#include "widgets/RecordRefresh.h"

#include "app/Frm_Main.h"
#include "app/Orrisday.h"
#include "app/RecordWindows.h"

void refreshAfterChange(Orrisday &app, const QString &changingWindowKey, const QString &listKey)
{
    app.windows().unload(changingWindowKey);
    app.mainWindow().reload();
    app.windows().open(listKey);
}
