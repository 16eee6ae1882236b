// SPDX-License-Identifier: MIT
#include "app/ReminderOwner.h"

#include "contacts/FrmContact_Info.h"
#include "context/AppContext.h"
#include "context/RecordWindows.h"
#include "notes/frmnote_info.h"
#include "schedules/frmschedule_info.h"
#include "tasks/frmtask_info.h"
#include "widgets/rules/StoreFailure.h"

#include <QSqlQuery>

namespace {

const QString ByReminder = QStringLiteral("rem_no = ?");

/// Opens the editor as the kind's list does, on the first record the condition finds.
template <typename Editor>
void openOwned(AppContext &app, store::Table table, const QString &editorKey, const QString &condition, qint64 value,
    QDate occurrence = {})
{
    const QList<store::Record> owners = app.db().records(table, condition, { value });
    if (owners.isEmpty())
        return;
    const store::Record &owner = owners.first();
    const qint64 remNo = owner.number(owner.values.size() - 1);
    const QList<store::Record> reminders
        = remNo ? app.db().records(store::Table::Reminder, ByReminder, { remNo }) : QList<store::Record>();
    auto *editor = qobject_cast<Editor *>(app.windows().open(editorKey));
    if (!editor)
        return;
    editor->startEdit({ owner.text(1), owner.text(3), owner.text(4) }, owner, reminders);
    if constexpr (requires { editor->showOccurrence(occurrence); }) {
        if (occurrence.isValid())
            editor->showOccurrence(occurrence);
    }
}

void openContact(AppContext &app, qint64 remNo)
{
    QSqlQuery birthday = app.db().run(
        QStringLiteral("SELECT birthday_contact_no FROM BIRTHDAY_INFO WHERE rem_no = ? ORDER BY rowid LIMIT 1"),
        { remNo });
    if (!birthday.next())
        return;
    const std::optional<contacts::StoredContact> stored
        = contacts::readContact(app.db(), birthday.value(0).toLongLong());
    if (!stored)
        return;
    if (auto *editor = qobject_cast<FrmContact_Info *>(app.windows().open(QStringLiteral("FrmContact_Info"))))
        editor->startEdit(*stored);
}

/// Opens an editor; a store that cannot be read says so.
template <typename Open> void openOrSay(AppContext &app, Open open)
{
    try {
        open();
    } catch (const store::Error &error) {
        app.message(records::storeFailureText(QStringLiteral("The record could not be opened"), error.code()),
            MessageIcon::Warning, QStringLiteral("Orrisday"));
    }
}

} // namespace

void openReminderOwner(AppContext &app, store::ReminderKind kind, qint64 remNo, QDate occurrence)
{
    openOrSay(app, [&] {
        switch (kind) {
        case store::ReminderKind::Task:
            openOwned<frmtask_info>(app, store::Table::Task, QStringLiteral("FrmTask_Info"), ByReminder, remNo, occurrence);
            break;
        case store::ReminderKind::Schedule:
            openOwned<frmschedule_info>(
                app, store::Table::Schedule, QStringLiteral("FrmSchedule_Info"), ByReminder, remNo, occurrence);
            break;
        case store::ReminderKind::Note:
            openOwned<frmnote_info>(app, store::Table::Note, QStringLiteral("FrmNote_Info"), ByReminder, remNo);
            break;
        case store::ReminderKind::Birthday:
            openContact(app, remNo);
            break;
        }
    });
}

void openRecordOn(AppContext &app, store::Table table, qint64 rowid, QDate day)
{
    // A record that happens once has no occurrence to show: its editor leaves the day alone.
    const QString byRow = QStringLiteral("rowid = ?");
    openOrSay(app, [&] {
        if (table == store::Table::Task)
            openOwned<frmtask_info>(app, table, QStringLiteral("FrmTask_Info"), byRow, rowid, day);
        else if (table == store::Table::Schedule)
            openOwned<frmschedule_info>(app, table, QStringLiteral("FrmSchedule_Info"), byRow, rowid, day);
    });
}
