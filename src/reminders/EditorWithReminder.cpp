// SPDX-License-Identifier: MIT
#include "reminders/EditorWithReminder.h"

#include "context/AppContext.h"
#include "reminders/Frm_Reminder.h"
#include "reminders/rules/ReminderChoices.h"
#include "store/DateTimeText.h"
#include "widgets/DateCombo.h"
#include "widgets/ImageButton.h"
#include "widgets/RecordControls.h"
#include "widgets/TimeCombo.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

EditorWithReminder::EditorWithReminder(AppContext &app, const QString &objectName, const QString &callerMarker,
    const QString &title, QSize size, QWidget *owner)
    : RecordEditor(app, objectName, title, size, owner)
    , Text1(makeHiddenBox(QStringLiteral("Text1"), this))
    , Text2(makeHiddenBox(QStringLiteral("Text2"), this))
    , Text3(makeHiddenBox(QStringLiteral("Text3"), this))
    , m_callerMarker(callerMarker)
{
}

bool EditorWithReminder::acceptsReminderChoices() const
{
    return !lblsave->isHidden() || !lblupdate->isHidden();
}

void EditorWithReminder::buildReminderSection(const ReminderNames &names, QPoint at)
{
    remcheck = new QCheckBox(QStringLiteral("Reminder Date"), this);
    remcheck->setObjectName(QStringLiteral("remcheck"));
    remcheck->setGeometry(QRect(at, QSize(112, 26)));
    m_remDate = new DateCombo(app(), names.date, this);
    m_remDate->setGeometry(QRect(at + QPoint(116, 0), QSize(110, 26)));
    caption(QStringLiteral("Time"), QRect(at + QPoint(236, 0), QSize(40, 26)));
    cmbremtime = new TimeCombo(app(), QStringLiteral("cmbremtime"), names.hourList, names.minuteList, this);
    cmbremtime->setGeometry(QRect(at + QPoint(276, 0), QSize(84, 26)));
    cmdadv = new QPushButton(QStringLiteral("Advance"), this);
    cmdadv->setObjectName(QStringLiteral("cmdadv"));
    cmdadv->setGeometry(QRect(at + QPoint(368, 0), QSize(80, 26)));
    trackPicks(cmbremtime);

    remcheck->setChecked(false);
    m_remDate->setEnabled(false);
    cmbremtime->setEnabled(false);
    cmdadv->setEnabled(false);
    connect(remcheck, &QCheckBox::clicked, this, &EditorWithReminder::remcheckClicked);
    connect(cmdadv, &QPushButton::clicked, this, &EditorWithReminder::openAdvance);
}

void EditorWithReminder::remcheckClicked()
{
    const QDateTime now = app().services().clock->now();
    m_remDate->setEnabled(true);
    cmbremtime->setEnabled(true);
    m_remDate->setEditText(store::dateText(now.date()));
    cmbremtime->setEditText(store::timeText(now.time()));
    cmdadv->setEnabled(true);
    if (!remcheck->isChecked()) {
        m_remDate->setEnabled(false);
        cmbremtime->setEnabled(false);
        m_remDate->clearEditText();
        cmbremtime->clearEditText();
        cmdadv->setEnabled(false);
    }
}

void EditorWithReminder::openAdvance()
{
    Frm_Reminder::openFor(app(), *this);
}

void EditorWithReminder::applyReminderDefaults(ChoiceBoxes boxes)
{
    m_reminderUndated
        = reminders::reminderIsUndated(remcheck->isChecked(), m_remDate->currentText(), cmbremtime->currentText());
    m_choicesEmptied = m_reminderUndated && boxes == ChoiceBoxes::Emptied;
}

QString EditorWithReminder::reminderTimeToStore(const QString &storedTime) const
{
    if (m_reminderUndated)
        return store::NoDate;
    const bool keep = mode() == Mode::Edit && !pickedSinceLoad(cmbremtime);
    return reminders::timeToStore(keep, cmbremtime->pickedTime(), storedTime);
}

store::Values EditorWithReminder::reminderColumns(qint64 remNo, const QString &time) const
{
    const auto choice = [this](const QLineEdit *box) { return m_choicesEmptied ? QString() : box->text().trimmed(); };
    return { { 0, remNo }, { 1, m_reminderUndated ? store::NoDate : m_remDate->currentText().trimmed() }, { 2, time },
        { 3, choice(Text1) }, { 4, choice(Text2) }, { 5, choice(Text3) } };
}

void EditorWithReminder::showStoredReminder(const store::Record &reminder)
{
    remcheck->setChecked(true);
    remcheckClicked();
    m_remDate->setEditText(reminder.text(1));
    cmbremtime->setEditText(reminder.text(2));
    Text1->setText(reminder.text(3));
    Text2->setText(reminder.text(4));
    Text3->setText(reminder.text(5));
}

void EditorWithReminder::showNoReminder()
{
    remcheck->setChecked(false);
    m_remDate->clearEditText();
    cmbremtime->clearEditText();
    Text1->clear();
    Text2->clear();
    Text3->clear();
}
