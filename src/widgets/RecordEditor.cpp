// SPDX-License-Identifier: MIT
#include "widgets/RecordEditor.h"

#include "app/Orrisday.h"
#include "reminders/Frm_Reminder.h"
#include "reminders/rules/ReminderChoices.h"
#include "store/DateTimeText.h"
#include "widgets/DateCombo.h"
#include "widgets/RecordControls.h"
#include "widgets/TimeCombo.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

RecordEditor::RecordEditor(Orrisday &app, const QString &objectName, const QString &callerMarker, const QString &title,
    QSize size, QWidget *owner)
    : RecordWindow(app, objectName, title, size, owner)
    , m_callerMarker(callerMarker)
{
    const QRect buttonRow(size.width() - 214, size.height() - 44, 96, 30);
    lblsave = makeLabelButton(QStringLiteral("lblsave"), QStringLiteral("Save"), this, buttonRow);
    lblupdate = makeLabelButton(QStringLiteral("lblupdate"), QStringLiteral("Update"), this, buttonRow);
    lblcancel
        = makeLabelButton(QStringLiteral("lblcancel"), QStringLiteral("Cancel"), this, buttonRow.translated(106, 0));
    Text1 = makeHiddenBox(QStringLiteral("Text1"), this);
    Text2 = makeHiddenBox(QStringLiteral("Text2"), this);
    Text3 = makeHiddenBox(QStringLiteral("Text3"), this);
    Text4 = makeHiddenBox(QStringLiteral("Text4"), this);
    Text5 = makeHiddenBox(QStringLiteral("Text5"), this);
    Text6 = makeHiddenBox(QStringLiteral("Text6"), this);
    setMode(Mode::New);
}

void RecordEditor::setMode(Mode mode)
{
    m_mode = mode;
    lblsave->setVisible(mode == Mode::New);
    lblupdate->setVisible(mode == Mode::Edit);
}

void RecordEditor::setStoredKey(const QString &name, const QString &date, const QString &time)
{
    Text4->setText(name);
    Text5->setText(date);
    Text6->setText(time);
}

bool RecordEditor::acceptsReminderChoices() const
{
    return !lblsave->isHidden() || !lblupdate->isHidden();
}

void RecordEditor::delete_Zero()
{
    app().db().run(QStringLiteral("DELETE FROM REMINDER_INFO WHERE rem_no = 0"));
}

QLabel *RecordEditor::caption(const QString &text, QRect geometry)
{
    auto *label = new QLabel(text, this);
    label->setGeometry(geometry);
    return label;
}

void RecordEditor::buildReminderSection(const ReminderNames &names, QPoint at)
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
    connect(remcheck, &QCheckBox::clicked, this, &RecordEditor::remcheckClicked);
    connect(cmdadv, &QPushButton::clicked, this, &RecordEditor::openAdvance);
}

void RecordEditor::remcheckClicked()
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

void RecordEditor::openAdvance()
{
    Frm_Reminder::openFor(app(), *this);
}

void RecordEditor::trackPicks(TimeCombo *combo)
{
    connect(combo, &TimeCombo::picked, this, [this, combo] { m_picked.insert(combo); });
}

void RecordEditor::forgetPicks()
{
    m_picked.clear();
}

bool RecordEditor::requireFilled(
    const QStringList &texts, const QString &message, MessageIcon icon, const QString &title)
{
    if (std::none_of(texts.begin(), texts.end(), [](const QString &text) { return text.isEmpty(); }))
        return true;
    app().message(message, icon, title);
    return false;
}

void RecordEditor::applyReminderDefaults(ChoiceBoxes boxes)
{
    m_reminderUndated
        = reminders::reminderIsUndated(remcheck->isChecked(), m_remDate->currentText(), cmbremtime->currentText());
    if (!m_reminderUndated)
        return;
    m_remDate->setEditText(store::NoDate);
    cmbremtime->setPickedTime(store::NoDate);
    if (boxes == ChoiceBoxes::Kept)
        return;
    Text1->clear();
    Text2->clear();
    Text3->clear();
}

QString RecordEditor::reminderTimeToStore(const QString &storedTime) const
{
    if (m_reminderUndated)
        return store::NoDate;
    const bool keep = m_mode == Mode::Edit && !pickedSinceLoad(cmbremtime);
    return reminders::timeToStore(keep, cmbremtime->pickedTime(), storedTime);
}

store::Values RecordEditor::reminderColumns(qint64 remNo, const QString &time) const
{
    return { { 0, remNo }, { 1, m_remDate->currentText().trimmed() }, { 2, time }, { 3, Text1->text().trimmed() },
        { 4, Text2->text().trimmed() }, { 5, Text3->text().trimmed() } };
}

void RecordEditor::showStoredReminder(const store::Record &reminder)
{
    remcheck->setChecked(true);
    remcheckClicked();
    m_remDate->setEditText(reminder.text(1));
    cmbremtime->setEditText(reminder.text(2));
    Text1->setText(reminder.text(3));
    Text2->setText(reminder.text(4));
    Text3->setText(reminder.text(5));
}

void RecordEditor::showNoReminder()
{
    remcheck->setChecked(false);
    m_remDate->clearEditText();
    cmbremtime->clearEditText();
    Text1->clear();
    Text2->clear();
    Text3->clear();
}

bool RecordEditor::writeChange(const std::function<void(store::Database &)> &change)
{
    try {
        store::Transaction transaction(app().db());
        change(app().db());
        transaction.commit();
        return true;
    } catch (const store::Error &error) {
        if (error.code() == store::ConversionFailed)
            app().message(QStringLiteral("Please Enter Date "), MessageIcon::Information, QStringLiteral("Orrisday"));
        return false;
    }
}
