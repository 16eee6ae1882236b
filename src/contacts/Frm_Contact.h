// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/RecordList.h"

class GroupedGrid;

/// The contact list: every contact grouped by category, and the door to the contact editor and
/// the search window. Text1 holds the contact number of the clicked row.
class Frm_Contact final : public RecordList
{
    Q_OBJECT
public:
    Frm_Contact(AppContext &app, QWidget *owner);

public slots:
    void newContact();
    void editContact();
    void deleteContact();
    void searchContacts();

private:
    ImageButton *lblsearch;
    GroupedGrid *MSHFlexGrid1;
};
