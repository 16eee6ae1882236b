// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/RecordList.h"

class ChoiceCombo;
class GroupedGrid;

/// The task list: the tasks of one category grouped by priority, and the door to the task editor.
class Frm_Task final : public RecordList
{
    Q_OBJECT
public:
    Frm_Task(AppContext &app, QWidget *owner);

public slots:
    /// Shows the grid of the chosen category.
    void showCategory(const QString &category);
    void newTask();
    void editTask();
    void deleteTask();

private:
    GroupedGrid *makeGrid(const QString &name);

    ChoiceCombo *cmbcategory;
    GroupedGrid *MSHFlexGrid1;
    GroupedGrid *MSHFlexGrid2;
};
