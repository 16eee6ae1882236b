// SPDX-License-Identifier: MIT
#pragma once

#include "reminders/ReminderCaller.h"
#include "widgets/RecordEditor.h"

class DateCombo;
class QCheckBox;
class QPushButton;
class TimeCombo;

/// An editor whose record may carry a reminder (task, schedule, note): the reminder section with
/// its check box, date and time combos and the advance dialog, and the hidden reminder choice
/// boxes (Text1 sound, Text2 message, Text3 program).
class EditorWithReminder : public RecordEditor, public ReminderCaller
{
    Q_OBJECT
public:
    /// Names of the reminder section's date combo and its time combo's hour and minute lists.
    struct ReminderNames
    {
        QString date;
        QString hourList;
        QString minuteList;
    };

    /// Where the edited kind of record is stored and how its messages read.
    struct RecordTable
    {
        store::Table table;
        int remNoColumn;
        QString kind; ///< "task", "schedule", "note"
    };

    EditorWithReminder(AppContext &app, const QString &objectName, Keys keys, const QString &callerMarker,
        const QString &title, QSize size, QWidget *owner);

    QString reminderCallerMarker() const override { return m_callerMarker; }
    bool acceptsReminderChoices() const override;
    QLineEdit *soundBox() const override { return Text1; }
    QLineEdit *messageBox() const override { return Text2; }
    QLineEdit *programBox() const override { return Text3; }
    QWidget *callerWindow() override { return this; }

public slots:
    /// The reminder check box was clicked (or ticked by the opener).
    void remcheckClicked();
    /// Opens the advance reminder dialog for this editor.
    void openAdvance();

protected:
    /// Builds the reminder section at the given place; call once from the editor's constructor.
    void buildReminderSection(const ReminderNames &names, QPoint at);

    /// Gives an unticked reminder, or a ticked one without date and time, the no-date value
    /// and, unless told to keep them, no choices. Only the written row gets them: the controls stay
    /// as the user left them, should the write fail.
    enum class ChoiceBoxes { Emptied, Kept };
    void applyReminderDefaults(ChoiceBoxes boxes = ChoiceBoxes::Emptied);
    /// The reminder row's columns: number, date, the picked time, sound, message, program.
    virtual store::Values reminderColumns(qint64 remNo) const;
    /// Runs in the same change after a record row was added or rewritten, for what is kept
    /// beside it.
    virtual void recordWritten(store::Database &db, const RecordTable &table, qint64 rowid, const store::Values &values);

    /// Saves a new record numbered by the last-row rule, with its reminder when the box is ticked;
    /// once written, empties the reminder boxes, shows the message and closes.
    void saveRecord(const RecordTable &table, store::Values values, const QString &message, const QString &title);
    /// Rewrites every stored record the stored-key boxes name with the given columns, its reminder
    /// renumbered, added or removed as the box says; once written, shows the message (once, or
    /// once per record) and closes.
    enum class Messages { Once, PerRecord };
    void updateRecords(const RecordTable &table, const store::Values &columns, const QString &message,
        const QString &title, Messages messages);
    /// The stored reminder shown in the reminder section, with its choice boxes.
    void showStoredReminder(const store::Record &reminder);
    void showNoReminder();
    /// The opener's reminder of a record numbered remNo: none for 0, else each stored row in
    /// turn (the last stays shown); without a row the section stays as loaded.
    void showReminders(qint64 remNo, const QList<store::Record> &reminders);

    QCheckBox *remcheck = nullptr;
    DateCombo *m_remDate = nullptr;
    TimeCombo *cmbremtime = nullptr;
    QPushButton *cmdadv = nullptr;
    QLineEdit *Text1;
    QLineEdit *Text2;
    QLineEdit *Text3;

private:
    /// Adds the reminder row under a new number and gives the number.
    qint64 addReminder(store::Database &db);
    /// Gives how many records were rewritten.
    int updateMatching(store::Database &db, const RecordTable &table, const store::Values &columns);

    QString m_callerMarker;
    bool m_reminderUndated = false;
    bool m_choicesEmptied = false;
};
