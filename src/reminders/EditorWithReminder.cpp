// SPDX-License-Identifier: MIT
#include "reminders/EditorWithReminder.h"

#include "context/AppContext.h"
#include "reminders/Frm_Reminder.h"
#include "reminders/rules/ReminderChoices.h"
#include "store/DateTimeText.h"
#include "widgets/rules/RecordKey.h"
#include "widgets/DateCombo.h"
#include "widgets/ImageButton.h"
#include "widgets/RecordControls.h"
#include "widgets/TimeCombo.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

EditorWithReminder::EditorWithReminder(AppContext &app, const QString &objectName, Keys keys,
    const QString &callerMarker, const QString &title, QSize size, QWidget *owner)
    : RecordEditor(app, objectName, std::move(keys), title, size, owner)
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
    showCurrentTime(cmbremtime, now.time(), store::timeText(now.time()));
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

store::Values EditorWithReminder::reminderColumns(qint64 remNo) const
{
    const auto choice = [this](const QLineEdit *box) { return m_choicesEmptied ? QString() : box->text().trimmed(); };
    return { { 0, remNo }, { 1, m_reminderUndated ? store::NoDate : m_remDate->currentText().trimmed() },
        { 2, m_reminderUndated ? store::NoDate : cmbremtime->pickedTime() }, { 3, choice(Text1) },
        { 4, choice(Text2) }, { 5, choice(Text3) } };
}

void EditorWithReminder::recordWritten(store::Database &, const RecordTable &, qint64, const store::Values &) {}

qint64 EditorWithReminder::addReminder(store::Database &db)
{
    const qint64 remNo = db.nextNumber(store::Table::Reminder);
    db.insert(store::Table::Reminder, reminderColumns(remNo));
    return remNo;
}

void EditorWithReminder::saveRecord(
    const RecordTable &table, store::Values values, const QString &message, const QString &title)
{
    const bool written = writeChange(QStringLiteral("The %1 could not be saved").arg(table.kind), [&](store::Database &db) {
        values[0] = db.nextNumber(table.table);
        if (remcheck->isChecked())
            values[table.remNoColumn] = addReminder(db);
        recordWritten(db, table, db.insert(table.table, values), values);
    });
    if (!written)
        return;
    m_remDate->clearEditText();
    cmbremtime->clearEditText();
    finish(message, title);
}

void EditorWithReminder::updateRecords(const RecordTable &table, const store::Values &columns, const QString &message,
    const QString &title, Messages messages)
{
    int updated = 0;
    const QString whatFailed = QStringLiteral("The %1 could not be updated").arg(table.kind);
    if (writeChange(whatFailed, [&](store::Database &db) { updated = updateMatching(db, table, columns); }))
        finishUpdate(updated, table.kind, message, title, messages == Messages::PerRecord ? updated : 1);
}

int EditorWithReminder::updateMatching(store::Database &db, const RecordTable &recordTable, const store::Values &columns)
{
    const store::Table table = recordTable.table;
    const int remNoColumn = recordTable.remNoColumn;
    using store::Table;
    const bool ticked = remcheck->isChecked();
    const records::RecordKey key { Text4->text(), Text5->text(), Text6->text() };
    int updated = 0;
    for (const store::Record &row : records::matchingRows(db.records(table), key)) {
        store::Values values = columns;
        values[remNoColumn] = 0;
        const qint64 oldRemNo = row.number(remNoColumn);
        const QList<store::Record> kept = oldRemNo == 0
            ? QList<store::Record>()
            : db.records(Table::Reminder, QStringLiteral("rem_no = ?"), { oldRemNo });
        if (kept.isEmpty()) {
            // No reminder so far (or one whose row is gone): a new one or none.
            if (ticked)
                values[remNoColumn] = addReminder(db);
            db.update(table, row.rowid, values);
        } else if (ticked) {
            // A kept reminder is renumbered with every update.
            const qint64 remNo = db.nextNumber(Table::Reminder);
            values[remNoColumn] = remNo;
            db.update(table, row.rowid, values);
            for (const store::Record &reminder : kept)
                db.update(Table::Reminder, reminder.rowid, reminderColumns(remNo));
        } else {
            db.update(table, row.rowid, values);
            db.update(Table::Reminder, kept.first().rowid, reminderColumns(0));
            delete_Zero();
        }
        recordWritten(db, recordTable, row.rowid, values);
        ++updated;
    }
    return updated;
}

void EditorWithReminder::showStoredReminder(const store::Record &reminder)
{
    remcheck->setChecked(true);
    remcheckClicked();
    // An undated reminder shows empty boxes, and is stored undated again when they stay empty.
    const auto shown = [](const QString &stored) { return stored == store::NoDate ? QString() : stored; };
    m_remDate->setEditText(shown(reminder.text(1)));
    showStoredTime(cmbremtime, shown(reminder.text(2)));
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

void EditorWithReminder::showReminders(qint64 remNo, const QList<store::Record> &reminders)
{
    if (remNo == 0) {
        showNoReminder();
        return;
    }
    for (const store::Record &reminder : reminders)
        showStoredReminder(reminder);
}
