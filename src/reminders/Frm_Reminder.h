// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/RecordWindow.h"

#include <QPointer>

class ImageButton;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class ReminderCaller;

/// The advance reminder dialog: the sound, message and program of an editor's reminder. It presets
/// itself from the caller's reminder choice boxes and writes them back on OK; Cancel or leaving it
/// closes it without writing.
class Frm_Reminder final : public RecordWindow
{
    Q_OBJECT
public:
    Frm_Reminder(AppContext &app, QWidget *owner);

    /// Opens the dialog beside the main window for the caller, preset from its boxes. Gives nothing
    /// when the caller is not open in new or edit mode.
    static Frm_Reminder *openFor(AppContext &app, ReminderCaller &caller);

public slots:
    void ok();
    void cancel();

protected:
    void changeEvent(QEvent *event) override;

private:
    void presetFrom(ReminderCaller &caller);
    /// The options of a group in the order of their choice (the first is choice 1).
    QList<QRadioButton *> soundOptions() const;
    QList<QRadioButton *> messageOptions() const;
    /// Selects the option of a choice, or none for choice 0.
    void selectChoice(const QList<QRadioButton *> &options, int choice);
    /// The choice of the selected option; 0 when none is selected.
    static int chosen(const QList<QRadioButton *> &options);
    /// Selects one option of its group and runs its click.
    void select(QRadioButton *option);
    void chooseFile(QLineEdit *box, const QString &filter, const QString &defaultSuffix);
    ReminderCaller *liveCaller() const;

    QGroupBox *m_soundGroup;
    QRadioButton *Opnosound;
    QRadioButton *Opdefaultsound;
    QRadioButton *Opsoundfile;
    QLineEdit *soundfileText;
    QPushButton *cmdbrowsesound;
    QGroupBox *m_messageGroup;
    QRadioButton *Opnomsg;
    QRadioButton *Opdefaultmsg;
    QRadioButton *Opcustommsg;
    QLineEdit *msgtext;
    QGroupBox *Framprg;
    QLineEdit *prgText;
    QPushButton *cmdbrowseprg;
    QLineEdit *Text1;
    ImageButton *lblok;
    ImageButton *lblcancel;

    ReminderCaller *m_caller = nullptr;
    QPointer<QWidget> m_callerWindow;
    bool m_wasActive = false;
    bool m_choosingFile = false;
};
