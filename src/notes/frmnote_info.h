// SPDX-License-Identifier: MIT
#pragma once

#include "reminders/EditorWithReminder.h"
#include "widgets/rules/RecordKey.h"

class DateCombo;
class QLineEdit;
class TimeCombo;

/// The note editor: creates a note (new mode) or changes the stored notes named by the stored-key
/// boxes (edit mode), with its reminder.
class frmnote_info final : public EditorWithReminder
{
    Q_OBJECT
public:
    frmnote_info(AppContext &app, QWidget *owner);

    /// New mode, with today's date and the current hour and minute shown.
    void startNew();
    /// Edit mode on a stored note and its reminder rows (the last one shown).
    void startEdit(const records::RecordKey &key, const store::Record &note, const QList<store::Record> &reminders);

public slots:
    void save();
    void updateNote();

private:
    bool requiredFieldsFilled();
    /// Columns 1 to 4 of the note row, with the date as given.
    store::Values noteColumns(const QString &date) const;

    QLineEdit *txtname;
    QLineEdit *txtdesp;
    DateCombo *cmbnotedate;
    TimeCombo *cmbnotetime;
    DateCombo *cmbrem2date;
};
