// SPDX-License-Identifier: MIT
#pragma once

#include "store/Views.h"

class AppContext;

/// Opens the editor of the task, schedule, note or contact that the reminder of that number
/// belongs to, at the occurrence when it repeats; nothing when it is gone.
void openReminderOwner(AppContext &app, store::ReminderKind kind, qint64 remNo, QDate occurrence = {});
/// Opens the editor of a task or schedule at its occurrence on the day when it repeats.
void openRecordOn(AppContext &app, store::Table table, qint64 rowid, QDate day);
