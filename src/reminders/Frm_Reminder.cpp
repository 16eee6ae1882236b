// SPDX-License-Identifier: MIT
#include "reminders/Frm_Reminder.h"

#include "context/AppContext.h"
#include "context/RecordWindows.h"
#include "reminders/ReminderCaller.h"
#include "reminders/rules/ReminderChoices.h"
#include "widgets/RecordControls.h"
#include "context/OnScreen.h"

#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace reminders;

namespace {

const QStringList KnownCallers { QStringLiteral("FrmTask_Info"), QStringLiteral("frmschedule_info"),
    QStringLiteral("frmnote_info") };

QRadioButton *option(const QString &name, const QString &caption, QWidget *group, QRect geometry)
{
    auto *button = new QRadioButton(caption, group);
    button->setObjectName(name);
    button->setAutoExclusive(false);
    button->setGeometry(geometry);
    return button;
}

QLineEdit *box(const QString &name, QWidget *parent, QRect geometry)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    return edit;
}

QPushButton *browseButton(const QString &name, QWidget *parent, QRect geometry)
{
    auto *button = new QPushButton(QStringLiteral("Browse"), parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

} // namespace

Frm_Reminder::Frm_Reminder(AppContext &app, QWidget *owner)
    : RecordWindow(app, QStringLiteral("Frm_Reminder"), QStringLiteral("Advance Reminder"), QSize(420, 344), owner)
{
    m_soundGroup = new QGroupBox(QStringLiteral("Sound"), this);
    m_soundGroup->setGeometry(16, 40, 388, 92);
    Opnosound = option(QStringLiteral("Opnosound"), NoSound, m_soundGroup, { 10, 24, 110, 22 });
    Opdefaultsound
        = option(QStringLiteral("Opdefaultsound"), QStringLiteral("Default Sound"), m_soundGroup, { 122, 24, 128, 22 });
    Opsoundfile
        = option(QStringLiteral("Opsoundfile"), QStringLiteral("Sound File"), m_soundGroup, { 252, 24, 132, 22 });
    soundfileText = box(QStringLiteral("soundfileText"), m_soundGroup, { 12, 56, 282, 26 });
    cmdbrowsesound = browseButton(QStringLiteral("cmdbrowsesound"), m_soundGroup, { 302, 56, 74, 26 });

    m_messageGroup = new QGroupBox(QStringLiteral("Message"), this);
    m_messageGroup->setGeometry(16, 140, 388, 90);
    Opnomsg = option(QStringLiteral("Opnomsg"), NoMessage, m_messageGroup, { 10, 24, 110, 22 });
    Opdefaultmsg = option(
        QStringLiteral("Opdefaultmsg"), QStringLiteral("Default Message"), m_messageGroup, { 122, 24, 128, 22 });
    Opcustommsg
        = option(QStringLiteral("Opcustommsg"), QStringLiteral("Custom Message"), m_messageGroup, { 252, 24, 132, 22 });
    msgtext = box(QStringLiteral("msgtext"), m_messageGroup, { 12, 54, 364, 26 });

    Framprg = new QGroupBox(QStringLiteral("Run Program"), this);
    Framprg->setObjectName(QStringLiteral("Framprg"));
    Framprg->setGeometry(16, 238, 388, 58);
    prgText = box(QStringLiteral("prgText"), Framprg, { 12, 22, 282, 26 });
    cmdbrowseprg = browseButton(QStringLiteral("cmdbrowseprg"), Framprg, { 302, 22, 74, 26 });

    Text1 = makeHiddenBox(QStringLiteral("Text1"), this);

    lblok = makeLabelButton(QStringLiteral("lblok"), QStringLiteral("OK"), this, { 212, 306, 90, 28 });
    lblcancel = makeLabelButton(QStringLiteral("lblcancel"), QStringLiteral("Cancel"), this, { 314, 306, 90, 28 });

    for (QRadioButton *each : { Opnosound, Opdefaultsound, Opsoundfile, Opnomsg, Opdefaultmsg, Opcustommsg }) {
        each->setEnabled(true);
        connect(each, &QRadioButton::clicked, this, [this, each] { select(each); });
    }
    connect(cmdbrowsesound, &QPushButton::clicked, this,
        [this] { chooseFile(soundfileText, QStringLiteral("All Files (*.wav)"), QStringLiteral("*.wav")); });
    connect(cmdbrowseprg, &QPushButton::clicked, this,
        [this] { chooseFile(prgText, QStringLiteral("All Files (*.exe)"), {}); });
    connect(lblok, &ImageButton::clicked, this, &Frm_Reminder::ok);
    connect(lblcancel, &ImageButton::clicked, this, &Frm_Reminder::cancel);
    setEscapeButton(lblcancel);
}

Frm_Reminder *Frm_Reminder::openFor(AppContext &app, ReminderCaller &caller)
{
    if (!caller.acceptsReminderChoices())
        return nullptr;
    QWidget *owner = caller.callerWindow();
    for (auto *open : owner->findChildren<Frm_Reminder *>(QString(), Qt::FindDirectChildrenOnly))
        open->close();
    auto *dialog = new Frm_Reminder(app, owner);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    moveOnScreen(dialog, app.windows().place());
    dialog->Text1->setText(caller.reminderCallerMarker());
    dialog->m_caller = &caller;
    dialog->m_callerWindow = owner;
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    dialog->presetFrom(caller);
    return dialog;
}

void Frm_Reminder::presetFrom(ReminderCaller &caller)
{
    const QString sound = caller.soundBox()->text();
    const SoundChoice soundChoice = soundChoiceOf(sound, app().folder().alertSound());
    selectChoice(soundOptions(), int(soundChoice));
    if (soundChoice == SoundChoice::SoundFile)
        soundfileText->setText(sound);

    const QString message = caller.messageBox()->text();
    const MessageChoice messageChoice = messageChoiceOf(message);
    selectChoice(messageOptions(), int(messageChoice));
    if (messageChoice == MessageChoice::CustomMessage)
        msgtext->setText(message);

    prgText->setText(programShown(caller.programBox()->text()));
}

QList<QRadioButton *> Frm_Reminder::soundOptions() const
{
    return { Opnosound, Opdefaultsound, Opsoundfile };
}

QList<QRadioButton *> Frm_Reminder::messageOptions() const
{
    return { Opnomsg, Opdefaultmsg, Opcustommsg };
}

void Frm_Reminder::selectChoice(const QList<QRadioButton *> &options, int choice)
{
    if (choice > 0) {
        select(options.at(choice - 1));
        return;
    }
    for (QRadioButton *each : options)
        each->setChecked(false);
}

int Frm_Reminder::chosen(const QList<QRadioButton *> &options)
{
    for (int i = 0; i < options.size(); ++i)
        if (options.at(i)->isChecked())
            return i + 1;
    return 0;
}

void Frm_Reminder::select(QRadioButton *option)
{
    const QList<QRadioButton *> group = soundOptions().contains(option) ? soundOptions() : messageOptions();
    for (QRadioButton *each : group)
        each->setChecked(each == option);
    if (option == Opnosound || option == Opdefaultsound)
        soundfileText->clear();
    if (option == Opdefaultmsg || option == Opcustommsg)
        msgtext->clear();
}

void Frm_Reminder::chooseFile(QLineEdit *box, const QString &filter, const QString &defaultSuffix)
{
    // The chooser takes the focus for a while; that is no reason to close.
    m_choosingFile = true;
    const std::optional<QString> chosen = app().services().dialogs->openFile(filter, defaultSuffix);
    m_choosingFile = false;
    if (chosen)
        box->setText(*chosen);
    if (isVisible()) {
        raise();
        activateWindow();
    }
}

ReminderCaller *Frm_Reminder::liveCaller() const
{
    if (!KnownCallers.contains(Text1->text()) || !m_callerWindow)
        return nullptr;
    return m_caller;
}

void Frm_Reminder::ok()
{
    if (ReminderCaller *caller = liveCaller()) {
        const auto sound = SoundChoice(chosen(soundOptions()));
        if (auto text = soundToWrite(sound, soundfileText->text(), app().folder().alertSound()))
            caller->soundBox()->setText(*text);
        const auto message = MessageChoice(chosen(messageOptions()));
        if (auto text = messageToWrite(message, msgtext->text()))
            caller->messageBox()->setText(*text);
        caller->programBox()->setText(programToWrite(prgText->text()));
        m_callerWindow->show();
    }
    m_wasActive = false;
    close();
}

void Frm_Reminder::cancel()
{
    m_wasActive = false;
    close();
}

void Frm_Reminder::changeEvent(QEvent *event)
{
    RecordWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow()) {
        m_wasActive = true;
    } else if (m_wasActive && !m_choosingFile) {
        m_wasActive = false;
        close();
    }
}
