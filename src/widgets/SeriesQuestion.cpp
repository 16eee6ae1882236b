// SPDX-License-Identifier: MIT
#include "widgets/SeriesQuestion.h"

#include "context/AppContext.h"

SeriesScope askSeriesScope(AppContext &app, store::Table table, SeriesChange change)
{
    return app.services().dialogs->askSeriesScope(change == SeriesChange::Change
            ? QStringLiteral("Change only this occurrence, or the whole series?")
            : QStringLiteral("Delete only this occurrence, or the whole series?"),
        table == store::Table::Task ? QStringLiteral("Repeating Task") : QStringLiteral("Repeating Schedule"));
}
