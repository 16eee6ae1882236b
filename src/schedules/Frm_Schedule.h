// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/CategoryList.h"

/// The schedule list: the schedules of one category grouped by priority, and the door to the
/// schedule editor.
class Frm_Schedule final : public CategoryList
{
    Q_OBJECT
public:
    Frm_Schedule(AppContext &app, QWidget *owner);

public slots:
    void newSchedule();
    void editSchedule();
    void deleteSchedule();
};
