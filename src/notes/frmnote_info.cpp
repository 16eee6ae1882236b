// SPDX-License-Identifier: MIT
#include "notes/frmnote_info.h"

#include "widgets/DateCombo.h"
#include "widgets/ImageButton.h"
#include "widgets/TimeCombo.h"

#include <QLineEdit>

namespace {

const QString EditorKey = QStringLiteral("FrmNote_Info");
const QString ListKey = QStringLiteral("Frm_Note");
constexpr int RemNoColumn = 5;
const EditorWithReminder::RecordTable NoteTable { store::Table::Note, RemNoColumn, QStringLiteral("note") };

} // namespace

frmnote_info::frmnote_info(AppContext &app, QWidget *owner)
    : EditorWithReminder(app, QStringLiteral("frmnote_info"), { EditorKey, ListKey }, QStringLiteral("frmnote_info"),
        QStringLiteral("Note Information"), QSize(480, 300), owner)
{
    txtname = textField(QStringLiteral("txtname"), QStringLiteral("Name"), 44);
    txtdesp = textField(QStringLiteral("txtdesp"), QStringLiteral("Description"), 80);
    caption(QStringLiteral("Date"), { 16, 116, 84, 26 });
    const DateTimeRow when = dateTimeRow(QStringLiteral("cmbnotedate"), QStringLiteral("cmbnotetime"),
        QStringLiteral("List1"), QStringLiteral("List2"), 116);
    cmbnotedate = when.date;
    cmbnotetime = when.time;

    buildReminderSection(
        { QStringLiteral("cmbrem2date"), QStringLiteral("List3"), QStringLiteral("List4") }, { 16, 168 });
    cmbrem2date = m_remDate;
    preselectNow({ cmbnotetime, cmbremtime });

    connect(lblsave, &ImageButton::clicked, this, &frmnote_info::save);
    connect(lblupdate, &ImageButton::clicked, this, &frmnote_info::updateNote);
}

void frmnote_info::startNew()
{
    setMode(Mode::New);
    showToday(cmbnotedate, cmbnotetime);
}

void frmnote_info::startEdit(
    const records::RecordKey &key, const store::Record &note, const QList<store::Record> &reminders)
{
    setMode(Mode::Edit);
    setStoredKey(key.name, key.date, key.time);
    txtname->setText(note.text(1));
    txtdesp->setText(note.text(2));
    cmbnotedate->setEditText(note.text(3));
    showStoredTime(cmbnotetime, note.text(4));
    showReminders(note.number(RemNoColumn), reminders);
}

bool frmnote_info::requiredFieldsFilled()
{
    return requireFilled({ txtname->text(), txtdesp->text(), cmbnotedate->currentText() },
        QStringLiteral("Please Enter Data"), MessageIcon::Information, QStringLiteral("Orrisdaye"));
}

store::Values frmnote_info::noteColumns(const QString &date) const
{
    return { { 1, txtname->text().trimmed() }, { 2, txtdesp->text().trimmed() }, { 3, date },
        { 4, cmbnotetime->pickedTime() } };
}

void frmnote_info::save()
{
    if (!requiredFieldsFilled())
        return;
    applyReminderDefaults();
    // A new note keeps its date as typed.
    saveRecord(NoteTable, noteColumns(cmbnotedate->currentText()), QStringLiteral("NOTE ADDED SUCCESSFULLY"),
        QStringLiteral("Orrisdaye"));
}

void frmnote_info::updateNote()
{
    if (!requiredFieldsFilled())
        return;
    applyReminderDefaults();
    updateRecords(NoteTable, noteColumns(cmbnotedate->currentText().trimmed()),
        QStringLiteral("NOTE UPDATED SUCCESSFULLY "), QStringLiteral("Orrisdaye"), Messages::Once);
}
