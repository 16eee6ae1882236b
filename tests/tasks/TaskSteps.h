// SPDX-License-Identifier: MIT
// Steps shared by the task tests.
#pragma once

#include "support/RecordSteps.h"

inline QWidget *openTaskList(TestProgram &p)
{
    return p.app().windows().open(QStringLiteral("Frm_Task"));
}

