// SPDX-License-Identifier: MIT
// The four list windows side by side, for tests that run one table over them.
#pragma once

#include "store/Database.h"

struct ListKind
{
    const char *list;
    const char *editor;
    store::Table table;
    store::Values seeded; ///< one row the list shows: column 0 its number, column 1 its name
    const char *noun;
    int shownColumn; ///< the grid column that shows the seeded row by its name or number
    const char *shown;
    int nameColumn;      ///< the grid column that shows the name
    const char *nameBox; ///< the editor's box for the name
};

inline const ListKind ListKinds[] = {
    { "Frm_Task", "FrmTask_Info", store::Table::Task, { { 0, 1 }, { 1, "Agenda" }, { 7, "Business" } }, "task", 2,
        "Agenda", 2, "txtname" },
    { "Frm_Schedule", "FrmSchedule_Info", store::Table::Schedule, { { 0, 1 }, { 1, "Agenda" }, { 9, "Business" } },
        "schedule", 2, "Agenda", 2, "txtname" },
    { "Frm_Note", "FrmNote_Info", store::Table::Note, { { 0, 1 }, { 1, "Agenda" } }, "note", 1, "Agenda", 1,
        "txtname" },
    { "Frm_Contact", "FrmContact_Info", store::Table::Contact, { { 0, 1 }, { 1, "Ann" } }, "contact", 2, "1", 3,
        "txtfname" },
};
