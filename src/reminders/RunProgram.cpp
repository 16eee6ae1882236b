// SPDX-License-Identifier: MIT
#include "reminders/RunProgram.h"

#include "platform/Services.h"
#include "reminders/rules/ReminderRules.h"

void RunProgram(Shell &shell, const QString &path)
{
    shell.open(path, reminders::workingFolderOf(path));
}
