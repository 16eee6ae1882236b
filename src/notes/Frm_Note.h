// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/RecordList.h"

class GroupedGrid;

/// The note list: every note in one flat grid, and the door to the note editor.
class Frm_Note final : public RecordList
{
    Q_OBJECT
public:
    Frm_Note(AppContext &app, QWidget *owner);

public slots:
    void newNote();
    void editNote();
    void deleteNote();

private:
    GroupedGrid *MSHFlexGrid1;
};
