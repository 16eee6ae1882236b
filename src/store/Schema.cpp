// SPDX-License-Identifier: MIT
#include "store/Schema.h"

namespace store {
namespace {

constexpr auto Date = ValueKind::Date;
constexpr auto Time = ValueKind::Time;

TableInfo make(const QString &name, const QString &columns, QMap<int, ValueKind> dateTimeColumns)
{
    TableInfo info;
    info.name = name;
    info.dateTimeColumns = std::move(dateTimeColumns);
    info.createStatement = QStringLiteral("CREATE TABLE %1 (%2)").arg(name, columns);
    for (const QString &definition : columns.split(QLatin1Char(',')))
        info.columns << definition.trimmed().section(QLatin1Char(' '), 0, 0);
    return info;
}

} // namespace

const QList<TableInfo> &allTables()
{
    static const QList<TableInfo> tables{
        make(QStringLiteral("TASK_INFO"),
             QStringLiteral("TASK_CODE INTEGER, TASK_NAME TEXT, TASK_DESCRIPTION TEXT, TASK_DATE TEXT, "
                            "TASK_TIME TEXT, TASK_STATUS TEXT, TASK_PRIORITY TEXT, TASK_CATEGORY TEXT, "
                            "rem_no INTEGER NOT NULL DEFAULT 0"),
             { { 3, Date }, { 4, Time } }),
        make(QStringLiteral("SCHEDULE_INFO"),
             QStringLiteral("schedule_code INTEGER, schedule_name TEXT, schedule_description TEXT, "
                            "schedule_start_date TEXT, schedulek_start_time TEXT, schedule_due_date TEXT, "
                            "schedule_due_time TEXT, schedule_status TEXT, schedule_priority TEXT, "
                            "schedule_category TEXT, rem_no INTEGER NOT NULL DEFAULT 0"),
             { { 3, Date }, { 4, Time }, { 5, Date }, { 6, Time } }),
        make(QStringLiteral("NOTE_INFO"),
             QStringLiteral("note_code INTEGER, note_name TEXT, note_description TEXT, note_date TEXT, "
                            "note_time TEXT, rem_no INTEGER NOT NULL DEFAULT 0"),
             { { 3, Date }, { 4, Time } }),
        make(QStringLiteral("CONTACT_INFO"),
             QStringLiteral("contact_no INTEGER, contact_fname TEXT, contact_lname TEXT, contact_padd TEXT, "
                            "contact_pcity TEXT, contact_pstate TEXT, contact_pcountry TEXT, "
                            "contact_pphoneno TEXT, contact_pmobileno TEXT, contact_pmailid TEXT, "
                            "contact_bdate TEXT, contact_cname TEXT, contact_jobtitle TEXT, "
                            "contact_caddr TEXT, contact_ccity TEXT, contact_cstate TEXT, "
                            "contact_ccountry TEXT, contact_website TEXT, contact_cmailid TEXT, "
                            "contact_cphoneno TEXT, contact_cfaxno TEXT, contact_picture TEXT, "
                            "contact_note TEXT, contact_category TEXT"),
             { { 10, Date } }),
        make(QStringLiteral("BIRTHDAY_INFO"),
             QStringLiteral("birthday_id INTEGER PRIMARY KEY AUTOINCREMENT, birthday_contact_no INTEGER, "
                            "birthday_date TEXT, rem_no INTEGER NOT NULL DEFAULT 0"),
             { { 2, Date } }),
        make(QStringLiteral("REMINDER_INFO"),
             QStringLiteral("rem_no INTEGER, rem_date TEXT, rem_time TEXT, rem_sound TEXT, "
                            "rem_message TEXT, rem_program TEXT"),
             { { 1, Date }, { 2, Time } }),
        make(QStringLiteral("EVENT_INFO"),
             QStringLiteral("event_id INTEGER PRIMARY KEY AUTOINCREMENT, event_name TEXT, event_date TEXT, "
                            "event_time TEXT"),
             { { 2, Date }, { 3, Time } }),
    };
    return tables;
}

const QStringList &ownTableStatements()
{
    static const QStringList statements {
        QStringLiteral("CREATE TABLE IF NOT EXISTS program_option (option_name TEXT PRIMARY KEY, option_value TEXT)"),
        // One snooze per reminder; its moment in the stored forms of a day and a time.
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS reminder_snooze (snooze_kind TEXT NOT NULL, rem_no INTEGER NOT NULL, "
            "snooze_date TEXT NOT NULL, snooze_time TEXT NOT NULL, PRIMARY KEY (snooze_kind, rem_no))"),
    };
    return statements;
}

const QStringList &indexStatements()
{
    // The contact search compares empty and missing names alike, so it indexes the same expressions.
    static const QStringList statements{
        QStringLiteral("CREATE INDEX IF NOT EXISTS contact_by_name ON CONTACT_INFO "
                       "(IFNULL(contact_fname, ''), IFNULL(contact_lname, ''), IFNULL(contact_category, ''))"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS contact_by_number ON CONTACT_INFO (contact_no)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS birthday_by_contact ON BIRTHDAY_INFO (birthday_contact_no)"),
        // The reminder scan reads only the reminders near its day, and yearly ones by month and day.
        QStringLiteral("CREATE INDEX IF NOT EXISTS reminder_by_date ON REMINDER_INFO (rem_date)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS reminder_by_yearly_day ON REMINDER_INFO (substr(rem_date, 6, 5))"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS reminder_by_number ON REMINDER_INFO (rem_no)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS task_by_reminder ON TASK_INFO (rem_no)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS schedule_by_reminder ON SCHEDULE_INFO (rem_no)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS note_by_reminder ON NOTE_INFO (rem_no)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS birthday_by_reminder ON BIRTHDAY_INFO (rem_no)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS event_by_date ON EVENT_INFO (event_date)"),
        // The agenda reads one day's tasks and schedules.
        QStringLiteral("CREATE INDEX IF NOT EXISTS task_by_date ON TASK_INFO (TASK_DATE)"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS schedule_by_start ON SCHEDULE_INFO (schedule_start_date)"),
    };
    return statements;
}

const TableInfo &tableInfo(Table table)
{
    return allTables().at(static_cast<int>(table));
}

} // namespace store
