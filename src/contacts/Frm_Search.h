// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/RecordWindow.h"

class ImageButton;
class QComboBox;
class QLineEdit;

/// Finds a contact by category, first and last name, and shows the first found in the contact
/// editor's view mode. Opened beside the contact list; it outlives the list's reloads.
class Frm_Search final : public RecordWindow
{
    Q_OBJECT
public:
    Frm_Search(AppContext &app, QWidget *owner);

    /// Shows the search window at the right of the list, creating it when none is open.
    static Frm_Search *openBeside(AppContext &app, QWidget *list);

public slots:
    void search();

private:
    QComboBox *Combo1;
    QLineEdit *Text1;
    QLineEdit *Text2;
    ImageButton *lblok;
    ImageButton *lblcancel;
};
