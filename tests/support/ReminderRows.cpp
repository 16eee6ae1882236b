// SPDX-License-Identifier: MIT
#include "support/ReminderRows.h"
#include "support/StoreRows.h"

using store::Table;

qint64 ReminderRows::reminder(const SeededReminder &r)
{
    const qint64 remNo = m_db.nextNumber(Table::Reminder);
    seedReminder(m_db, remNo, r.date, r.time, r.sound, r.message, r.program);
    return remNo;
}

void ReminderRows::task(const QString &name, const SeededReminder &r)
{
    const qint64 code = m_db.nextNumber(Table::Task);
    seedTask(m_db, code, name, reminder(r), "Business", "High", name + " notes", r.date, r.time);
}

void ReminderRows::schedule(const QString &name, const SeededReminder &r)
{
    m_db.insert(Table::Schedule,
        { { 0, m_db.nextNumber(Table::Schedule) }, { 1, name }, { 2, QString() }, { 3, r.date }, { 4, r.time },
            { 5, r.date }, { 6, r.time }, { 7, QStringLiteral("Not Started") }, { 8, QStringLiteral("Low") },
            { 9, QStringLiteral("Personal") }, { 10, reminder(r) } });
}

void ReminderRows::note(const QString &name, const SeededReminder &r)
{
    m_db.insert(Table::Note,
        { { 0, m_db.nextNumber(Table::Note) }, { 1, name }, { 2, QString() }, { 3, r.date }, { 4, r.time },
            { 5, reminder(r) } });
}

void ReminderRows::contact(const QString &firstName, const QString &mobile, const SeededReminder *birthday)
{
    const qint64 contactNo = m_db.nextNumber(Table::Contact);
    const QString birthDate = birthday ? birthday->date : QStringLiteral("1/3/1900");
    m_db.insert(Table::Contact,
        { { 0, contactNo }, { 1, firstName }, { 2, QStringLiteral("Smith") }, { 7, QStringLiteral("0") }, { 8, mobile },
            { 10, birthDate }, { 23, QStringLiteral("Personal") } });
    m_db.insert(Table::Birthday, { { 1, contactNo }, { 2, birthDate }, { 3, birthday ? reminder(*birthday) : 0 } });
}
