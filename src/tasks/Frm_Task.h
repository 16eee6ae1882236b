// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/CategoryList.h"

/// The task list: the tasks of one category grouped by priority, and the door to the task editor.
class Frm_Task final : public CategoryList
{
    Q_OBJECT
public:
    Frm_Task(AppContext &app, QWidget *owner);

public slots:
    void newTask();
    void editTask();
    void deleteTask();
};
