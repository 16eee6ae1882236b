// SPDX-License-Identifier: MIT
#pragma once

#include "reminders/RepeatingEditor.h"
#include "widgets/rules/RecordKey.h"

class ChoiceCombo;
class DateCombo;
class QCheckBox;
class QLabel;
class QLineEdit;
class TimeCombo;

/// The schedule editor: creates a schedule (new mode) or changes the stored schedules named by
/// the stored-key boxes (edit mode), with its optional end, its reminder and how it repeats.
class frmschedule_info final : public RepeatingEditor
{
    Q_OBJECT
public:
    frmschedule_info(AppContext &app, QWidget *owner);

    /// New mode, with today's date and the current hour and minute as the start.
    void startNew();
    /// Edit mode on a stored schedule and its reminder rows (the last one shown).
    void startEdit(const records::RecordKey &key, const store::Record &schedule, const QList<store::Record> &reminders);

public slots:
    /// The end check box was clicked (or ticked by the opener).
    void endcheckClicked();
    void save();
    void updateSchedule();

private:
    /// The title line and the window title.
    void setHeading(const QString &heading);
    bool requiredFieldsFilled();
    /// A schedule without its own end ends at its start.
    bool endsAtStart() const;
    /// Columns 1 to 9 of the schedule row.
    store::Values scheduleColumns() const;

    QLabel *Label2;
    QLineEdit *txtname;
    QLineEdit *txtdesp;
    DateCombo *cmbstartdate;
    TimeCombo *cmbstarttime;
    QCheckBox *endcheck;
    DateCombo *cmbduedate;
    TimeCombo *cmbduetime;
    ChoiceCombo *cmbstatus;
    ChoiceCombo *cmbpriority;
    ChoiceCombo *cmbcategory;
    DateCombo *cmbrem1date;
};
