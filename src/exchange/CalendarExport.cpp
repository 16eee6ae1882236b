// SPDX-License-Identifier: MIT
#include "exchange/CalendarExport.h"

#include "exchange/CalendarFields.h"
#include "exchange/CalendarNames.h"
#include "exchange/IcalTime.h"
#include "exchange/RepeatText.h"
#include "exchange/StoredRows.h"
#include "store/Identity.h"
#include "store/Repeats.h"

#include <QDateTime>
#include <QUrl>
#include <memory>

using store::Record;
using store::Table;

namespace exchange {
namespace {

using Component = std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)>;

void addText(icalcomponent *to, icalproperty *(*make)(const char *), const QString &text)
{
    if (!text.isEmpty())
        icalcomponent_add_property(to, make(text.toUtf8().constData()));
}

void addOwn(icalcomponent *to, const char *name, const QString &value)
{
    icalproperty *property = icalproperty_new_x(quotedWhereNeeded(value).toUtf8().constData());
    icalproperty_set_x_name(property, name);
    icalcomponent_add_property(to, property);
}

class CalendarWriter
{
public:
    CalendarWriter(const store::Database &db, Report &report)
        : m_db(db), m_report(report), m_reminders(remindersByNumber(db))
        , m_stamp(icaltime_current_time_with_zone(icaltimezone_get_utc_timezone())), m_zoneId(localZoneId())
    {
        icalcomponent_add_property(m_calendar.get(), icalproperty_new_version("2.0"));
        icalcomponent_add_property(m_calendar.get(),
                                   icalproperty_new_prodid("-//Orrisday//Orrisday " ORRISDAY_VERSION "//EN"));
        if (!m_zoneId.isEmpty())
            icalcomponent_add_component(m_calendar.get(), newZoneComponent(m_zoneId));
    }

    QByteArray write()
    {
        readKind(Table::Task);
        for (const Record &row : m_db.records(Table::Task))
            addTask(row);
        readKind(Table::Schedule);
        for (const Record &row : m_db.records(Table::Schedule))
            addSchedule(row);
        m_series.clear();
        m_identities = store::identities(m_db, Table::Note);
        for (const Record &row : m_db.records(Table::Note))
            addNote(row);
        m_identities = store::identities(m_db, Table::Contact);
        addBirthdays();
        if (!m_unwritable.isEmpty()) {
            m_report.failure = QStringLiteral("The calendar was not exported: %1 a date after the year 3000, which "
                                              "calendar files cannot hold. Change %2 and export again.")
                                   .arg(m_unwritable.size() == 1 ? m_unwritable.first() + QStringLiteral(" has")
                                                                 : m_unwritable.join(QStringLiteral(", ")) + QStringLiteral(" have"),
                                        m_unwritable.size() == 1 ? QStringLiteral("its date") : QStringLiteral("their dates"));
            return {};
        }
        char *text = icalcomponent_as_ical_string_r(m_calendar.get());
        QByteArray result(text);
        icalmemory_free_buffer(text);
        return result;
    }

private:
    /// The identities, series and changed occurrences of a kind that repeats.
    void readKind(Table table)
    {
        m_table = table;
        m_identities = store::identities(m_db, table);
        m_series.clear();
        // A record can stand for an occurrence only where some series is.
        for (const store::Series &series : store::seriesFrom(m_db, table, QDate(1900, 1, 1)))
            m_series.insert(series.rowid, series.repeat);
    }

    icalcomponent *begin(icalcomponent *component, const char *kind, const Record &row)
    {
        m_current = QStringLiteral("the %1 \"%2\"").arg(QLatin1String(kind), row.text(1));
        icalcomponent_add_component(m_calendar.get(), component);
        const store::Identity identity = m_identities.value(row.rowid);
        // A changed occurrence goes by its series' UID, with its own time of change.
        m_link.reset();
        if (!m_series.isEmpty())
            m_link = store::occurrenceLinkOf(m_db, m_table, row.rowid);
        const QString seriesUid = m_link ? m_identities.value(m_link->series).uid : QString();
        if (seriesUid.isEmpty())
            m_link.reset();
        const QString uid = m_link ? seriesUid : identity.uid.isEmpty() ? store::newUid() : identity.uid;
        addIdentity(component, uid, identity.changed);
        addText(component, icalproperty_new_summary, row.text(1));
        addText(component, icalproperty_new_description, row.text(2));
        return component;
    }

    void addIdentity(icalcomponent *component, const QString &uid, const QString &changed)
    {
        icalcomponent_add_property(component, icalproperty_new_uid(uid.toUtf8().constData()));
        icalcomponent_add_property(component, icalproperty_new_dtstamp(m_stamp));
        if (!changed.isEmpty())
            icalcomponent_add_property(component,
                icalproperty_new_lastmodified(icaltime_from_string(changed.toLatin1().constData())));
    }

    /// Notes the record being written when a day is beyond what calendar files hold.
    void check(QDate day)
    {
        if (day.isValid() && day.year() > 3000 && !m_unwritable.contains(m_current))
            m_unwritable << m_current;
    }

    /// A day and time in the local zone, or a day alone, as the value of a new property.
    icalproperty *timed(icalproperty *(*make)(icaltimetype), const Moment &moment)
    {
        check(moment.date);
        icalproperty *property = make(floatingTime(moment));
        if (moment.time.isValid() && !m_zoneId.isEmpty())
            icalproperty_add_parameter(property, icalparameter_new_tzid(m_zoneId.constData()));
        return property;
    }

    /// The series' rule and left-out days, in the form of its start; or, for a changed occurrence,
    /// which occurrence it is.
    void addRepeat(icalcomponent *to, const Record &row, const Moment &start)
    {
        if (m_link) {
            const Record series = m_db.records(m_table, QStringLiteral("rowid = ?"), {m_link->series}).value(0);
            const Moment seriesStart = series.values.isEmpty() ? start : momentOf(series, 3, 4);
            icalcomponent_add_property(to, timed(icalproperty_new_recurrenceid, {m_link->day, seriesStart.time}));
            return;
        }
        const auto repeat = m_series.constFind(row.rowid);
        if (repeat == m_series.cend() || !start.date.isValid())
            return;
        const QString rule = ruleToWrite(store::toRRule(repeat->rule, start.date), start,
                                         start.time.isValid() && !m_zoneId.isEmpty());
        icalcomponent_add_property(to, icalproperty_new_rrule(icalrecurrencetype_from_string(rule.toLatin1().constData())));
        for (const QDate day : repeat->exceptions)
            icalcomponent_add_property(to, timed(icalproperty_new_exdate, {day, start.time}));
    }

    void addTask(const Record &row)
    {
        icalcomponent *todo = begin(icalcomponent_new_vtodo(), "task", row);
        if (const Moment due = momentOf(row, 3, 4); due.date.isValid()) {
            // A to-do repeats from its start, which a repeating task's due time is.
            if (m_series.contains(row.rowid) && !m_link)
                icalcomponent_add_property(todo, timed(icalproperty_new_dtstart, due));
            icalcomponent_add_property(todo, timed(icalproperty_new_due, due));
            addRepeat(todo, row, due);
        }
        addStatus(todo, row.text(5), true);
        addPriority(todo, row.text(6));
        addText(todo, icalproperty_new_categories, row.text(7));
        addReminder(todo, row.number(8));
        ++m_report.tasks;
    }

    void addSchedule(const Record &row)
    {
        icalcomponent *event = begin(icalcomponent_new_vevent(), "schedule", row);
        const Moment start = momentOf(row, 3, 4);
        if (start.date.isValid()) {
            icalcomponent_add_property(event, timed(icalproperty_new_dtstart, start));
            addRepeat(event, row, start);
        }
        if (Moment end = momentOf(row, 5, 6); end.date.isValid() && start.date.isValid()) {
            // A day without a time ends, as iCalendar counts, at the start of the next day.
            if (!end.time.isValid() || !start.time.isValid())
                end = {end.date.addDays(1), {}};
            icalcomponent_add_property(event, timed(icalproperty_new_dtend, end));
        }
        addStatus(event, row.text(7), false);
        addPriority(event, row.text(8));
        addText(event, icalproperty_new_categories, row.text(9));
        addReminder(event, row.number(10));
        ++m_report.schedules;
    }

    void addNote(const Record &row)
    {
        icalcomponent *journal = begin(icalcomponent_new_vjournal(), "note", row);
        if (const Moment day = momentOf(row, 3, 4); day.date.isValid())
            icalcomponent_add_property(journal, timed(icalproperty_new_dtstart, day));
        addReminder(journal, row.number(5));
        ++m_report.notes;
    }

    void addBirthdays()
    {
        QSqlQuery rows = m_db.run(QStringLiteral(
            "SELECT b.birthday_date, b.rem_no, c.contact_fname, c.contact_lname, c.rowid "
            "FROM BIRTHDAY_INFO b JOIN CONTACT_INFO c ON c.contact_no = b.birthday_contact_no ORDER BY b.rowid"));
        const store::TableInfo &info = store::tableInfo(Table::Birthday);
        while (rows.next()) {
            const Record birthday{0, {QVariant(), QVariant(), rows.value(0), rows.value(1)}, &info};
            const QDate day = dayOf(birthday, 2);
            if (!day.isValid())
                continue;
            const QString first = rows.value(2).toString(), last = rows.value(3).toString();
            const QString name = QStringList{first, last}.join(QLatin1Char(' ')).trimmed();
            m_current = QStringLiteral("the birthday of \"%1\"").arg(name);
            check(day);
            icalcomponent *event = icalcomponent_new_vevent();
            icalcomponent_add_component(m_calendar.get(), event);
            const store::Identity contact = m_identities.value(rows.value(4).toLongLong());
            addIdentity(event, contact.uid + QStringLiteral("-birthday"), contact.changed);
            addText(event, icalproperty_new_summary, name + QStringLiteral("'s Birthday"));
            icalcomponent_add_property(event, icalproperty_new_dtstart(floatingTime({day, {}})));
            icalcomponent_add_property(event, icalproperty_new_rrule(icalrecurrencetype_from_string("FREQ=YEARLY")));
            icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
            addOwn(event, names::Birthday, QStringLiteral("TRUE"));
            addOwn(event, names::FirstName, first);
            addOwn(event, names::LastName, last);
            addOwn(event, names::ContactUid, contact.uid);
            addReminder(event, rows.value(1).toLongLong());
            ++m_report.birthdays;
        }
    }

    void addStatus(icalcomponent *to, const QString &status, bool todo)
    {
        const icalproperty_status value = todoStatus(status);
        if (todo && value != ICAL_STATUS_NONE)
            icalcomponent_add_property(to, icalproperty_new_status(value));
        if (!todo || value == ICAL_STATUS_NONE || statusText(value) != status)
            addOwn(to, names::Status, status);
    }

    void addPriority(icalcomponent *to, const QString &priority)
    {
        const int value = priorityValue(priority);
        if (value)
            icalcomponent_add_property(to, icalproperty_new_priority(value));
        else if (!priority.isEmpty())
            addOwn(to, names::Priority, priority);
    }

    void addReminder(icalcomponent *owner, qint64 number)
    {
        const auto found = m_reminders.constFind(number);
        if (number == 0 || found == m_reminders.cend())
            return;
        const Reminder &reminder = *found;
        icaltriggertype trigger{};
        trigger.time = icaltime_null_time();
        trigger.duration = icaldurationtype_null_duration();
        check(reminder.due.date);
        if (reminder.due.date.isValid())
            trigger.time = utcTime(reminder.due);

        icalcomponent *display = icalcomponent_new_valarm();
        icalcomponent_add_component(owner, display);
        icalcomponent_add_property(display, icalproperty_new_action(ICAL_ACTION_DISPLAY));
        icalcomponent_add_property(display, icalproperty_new_trigger(trigger));
        icalcomponent_add_property(display, icalproperty_new_description(reminder.message.toUtf8().constData()));
        if (!reminder.due.date.isValid())
            addOwn(display, names::Undated, QStringLiteral("TRUE"));
        if (!reminder.program.isEmpty())
            addOwn(display, names::Program, reminder.program);
        if (reminder.sound == NoSound)
            addOwn(display, names::Sound, reminder.sound);
        else if (!reminder.sound.isEmpty()) {
            icalcomponent *audio = icalcomponent_new_valarm();
            icalcomponent_add_component(owner, audio);
            icalcomponent_add_property(audio, icalproperty_new_action(ICAL_ACTION_AUDIO));
            icalcomponent_add_property(audio, icalproperty_new_trigger(trigger));
            const QByteArray url = QUrl::fromLocalFile(reminder.sound).toEncoded();
            icalattach *attach = icalattach_new_from_url(url.constData());
            icalcomponent_add_property(audio, icalproperty_new_attach(attach));
            icalattach_unref(attach);
        }
        ++m_report.reminders;
    }

    const store::Database &m_db;
    Report &m_report;
    QHash<qint64, Reminder> m_reminders;
    icaltimetype m_stamp;
    QByteArray m_zoneId;
    Table m_table = Table::Task;                 ///< the kind being written
    QHash<qint64, store::Identity> m_identities; ///< of the kind being written, by rowid
    QHash<qint64, store::Repeat> m_series;        ///< of the kind being written, by rowid
    std::optional<store::OccurrenceLink> m_link;  ///< of the record being written
    QString m_current;                            ///< the record being written, named for the user
    QStringList m_unwritable;
    Component m_calendar{icalcomponent_new_vcalendar(), &icalcomponent_free};
};

} // namespace

QByteArray calendarOf(const store::Database &db, Report &report)
{
    return CalendarWriter(db, report).write();
}

} // namespace exchange
