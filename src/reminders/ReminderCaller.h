// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QLineEdit;
class QWidget;

/// An editor that opens the advance reminder dialog: it names itself by its caller marker and
/// hands over its reminder choice boxes (sound, message, program).
class ReminderCaller
{
public:
    virtual ~ReminderCaller() = default;

    /// "FrmTask_Info", "frmschedule_info" or "frmnote_info".
    virtual QString reminderCallerMarker() const = 0;
    /// Whether the editor is open in new or edit mode (its save or update button shows).
    virtual bool acceptsReminderChoices() const = 0;
    virtual QLineEdit *soundBox() const = 0;
    virtual QLineEdit *messageBox() const = 0;
    virtual QLineEdit *programBox() const = 0;
    virtual QWidget *callerWindow() = 0;
};
