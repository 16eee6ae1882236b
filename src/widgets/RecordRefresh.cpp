// SPDX-License-Identifier: MIT
#include "widgets/RecordRefresh.h"

#include "context/AppContext.h"
#include "context/RecordWindows.h"

void refreshAfterChange(AppContext &app, const QString &changingWindowKey, const QString &listKey)
{
    app.windows().unload(changingWindowKey);
    app.announceStoreChange();
    app.windows().open(listKey);
}
