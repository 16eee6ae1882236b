// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Services.h"
#include "reminders/ReminderCaller.h"
#include "store/Database.h"
#include "widgets/RecordWindow.h"

#include <QSet>
#include <functional>

class DateCombo;
class ImageButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TimeCombo;

/// What the task, schedule and note editors share: the new/edit mode with its save and update
/// buttons, the cancel button, the reminder section with the advance dialog, the hidden reminder
/// choice boxes (Text1 sound, Text2 message, Text3 program) and stored-key boxes (Text4 name,
/// Text5 date, Text6 time), and the guarded, all-or-nothing writing of a change.
class RecordEditor : public RecordWindow, public ReminderCaller
{
    Q_OBJECT
public:
    enum class Mode { New, Edit };

    /// Names of the reminder section's date combo and its time combo's hour and minute lists.
    struct ReminderNames
    {
        QString date;
        QString hourList;
        QString minuteList;
    };

    RecordEditor(Orrisday &app, const QString &objectName, const QString &callerMarker, const QString &title,
        QSize size, QWidget *owner);

    /// New mode shows the save button, edit mode the update button.
    void setMode(Mode mode);
    Mode mode() const { return m_mode; }
    /// The stored name, date and time of the edited record.
    void setStoredKey(const QString &name, const QString &date, const QString &time);

    /// Deletes every reminder row numbered 0.
    void delete_Zero();

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
    /// A caption label at a place.
    QLabel *caption(const QString &text, QRect geometry);
    /// Forgets the time picks made so far: from now on only the user's picks count.
    void forgetPicks();
    bool pickedSinceLoad(const TimeCombo *combo) const { return m_picked.contains(combo); }
    /// Reports every later pick of a time combo.
    void trackPicks(TimeCombo *combo);

    /// Shows the message and gives false when any of the texts is empty.
    bool requireFilled(const QStringList &texts, const QString &message, MessageIcon icon, const QString &title);
    /// Gives an unticked reminder, or a ticked one without date and time, the no-date value
    /// and, unless told to keep them, empties the choice boxes.
    enum class ChoiceBoxes { Emptied, Kept };
    void applyReminderDefaults(ChoiceBoxes boxes = ChoiceBoxes::Emptied);
    /// The reminder time to store; in edit mode without a new pick, the stored one.
    QString reminderTimeToStore(const QString &storedTime) const;
    /// The reminder row's columns: number, date, time, sound, message, program.
    store::Values reminderColumns(qint64 remNo, const QString &time) const;
    /// The stored reminder shown in the reminder section, with its choice boxes.
    void showStoredReminder(const store::Record &reminder);
    void showNoReminder();

    /// Runs the writes of one change all or nothing. A failed write leaves the store as it was:
    /// a date or time that cannot be stored is answered with "Please Enter Date ", other errors
    /// end the change silently. Gives whether it was written.
    bool writeChange(const std::function<void(store::Database &)> &change);

    QCheckBox *remcheck = nullptr;
    DateCombo *m_remDate = nullptr;
    TimeCombo *cmbremtime = nullptr;
    QPushButton *cmdadv = nullptr;
    ImageButton *lblsave;
    ImageButton *lblupdate;
    ImageButton *lblcancel;
    QLineEdit *Text1;
    QLineEdit *Text2;
    QLineEdit *Text3;
    QLineEdit *Text4;
    QLineEdit *Text5;
    QLineEdit *Text6;

private:
    QString m_callerMarker;
    Mode m_mode = Mode::New;
    bool m_reminderUndated = false;
    QSet<const TimeCombo *> m_picked;
};
