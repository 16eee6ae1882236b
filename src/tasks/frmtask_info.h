// SPDX-License-Identifier: MIT
#pragma once

#include "reminders/RepeatingEditor.h"
#include "widgets/rules/RecordKey.h"

class ChoiceCombo;
class DateCombo;
class QLineEdit;
class TimeCombo;

/// The task editor: creates a task (new mode) or changes the stored task named by the
/// stored-key boxes (edit mode), with its reminder and how it repeats.
class frmtask_info final : public RepeatingEditor
{
    Q_OBJECT
public:
    frmtask_info(AppContext &app, QWidget *owner);

    /// New mode, with today's date and the current hour and minute shown.
    void startNew();
    /// Edit mode on a stored task and its reminder rows (the last one shown).
    void startEdit(const records::RecordKey &key, const store::Record &task, const QList<store::Record> &reminders);

public slots:
    void save();
    void updateTask();

private:
    bool requiredFieldsFilled();
    /// Columns 1 to 7 of the task row.
    store::Values taskColumns() const;

    QLineEdit *txtname;
    QLineEdit *txtdesp;
    DateCombo *cmbdate;
    TimeCombo *cmbtime;
    ChoiceCombo *cmbstatus;
    ChoiceCombo *cmbpriority;
    ChoiceCombo *cmbcategory;
    DateCombo *cmbremdate;
};
