// SPDX-License-Identifier: MIT
#include "exchange/CalendarImport.h"

#include "exchange/CalendarFields.h"
#include "exchange/CalendarNames.h"
#include "exchange/CalendarPieces.h"
#include "exchange/IcalTime.h"
#include "exchange/Matching.h"
#include "exchange/RepeatText.h"
#include "exchange/StoredRows.h"
#include "store/Removal.h"
#include "store/Repeats.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QUrl>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <future>
#include <memory>
#include <optional>
#include <vector>

using store::Table;
using store::Values;

namespace exchange {
namespace {

constexpr qsizetype LongestText = 1 << 20;
/// Records parsed at a time: small enough that the store waits little for the first piece.
constexpr int PieceRecords = 500;
/// No property of ours or of the programs we meet has more; libical reads many far too slowly.
constexpr int MostParameters = 64;
/// An alarm further from its record than this is no reminder of it.
constexpr int LongestAlarmOffset = 366 * 24 * 3600;

using Component = std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)>;

/// Why a component cannot be stored.
struct Unstorable
{
    QString why;
};

std::optional<QString> own(icalcomponent *in, const char *name)
{
    for (icalproperty *p = icalcomponent_get_first_property(in, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(in, ICAL_X_PROPERTY))
        if (qstrcmp(icalproperty_get_x_name(p), name) == 0)
            return unquoted(QString::fromUtf8(icalproperty_get_x(p)));
    return std::nullopt;
}

/// The text of a SUMMARY or DESCRIPTION; empty when it is missing.
QString text(icalcomponent *in, icalproperty_kind kind)
{
    icalproperty *p = icalcomponent_get_first_property(in, kind);
    const char *value = p ? icalvalue_get_text(icalproperty_get_value(p)) : nullptr;
    const QString result = QString::fromUtf8(value);
    if (result.size() > LongestText)
        throw Unstorable{QStringLiteral("a value longer than 1 MB")};
    return result;
}

Moment momentOf(icalcomponent *in, icalproperty_kind kind, icaltimetype (*get)(icalcomponent *))
{
    if (!icalcomponent_get_first_property(in, kind))
        return {};
    const Moment moment = localMoment(get(in));
    if (!moment.date.isValid())
        throw Unstorable{QStringLiteral("an unreadable %1").arg(QLatin1String(icalproperty_kind_to_string(kind)))};
    return moment;
}

QString categoryOf(icalcomponent *in)
{
    for (icalproperty *p = icalcomponent_get_first_property(in, ICAL_CATEGORIES_PROPERTY); p;
         p = icalcomponent_get_next_property(in, ICAL_CATEGORIES_PROPERTY))
        if (QString::fromUtf8(icalproperty_get_categories(p)).split(QLatin1Char(',')).contains(
                QStringLiteral("Business"), Qt::CaseInsensitive))
            return QStringLiteral("Business");
    return QStringLiteral("Personal");
}

QString statusOf(icalcomponent *in)
{
    if (auto status = own(in, names::Status))
        return *status;
    return statusText(icalcomponent_get_status(in));
}

QString priorityOf(icalcomponent *in)
{
    if (auto priority = own(in, names::Priority))
        return *priority;
    icalproperty *p = icalcomponent_get_first_property(in, ICAL_PRIORITY_PROPERTY);
    return p ? priorityText(icalproperty_get_priority(p)) : QString();
}

QString soundOf(icalcomponent *audio)
{
    icalproperty *p = icalcomponent_get_first_property(audio, ICAL_ATTACH_PROPERTY);
    icalattach *attach = p ? icalproperty_get_attach(p) : nullptr;
    if (!attach || !icalattach_get_is_url(attach))
        return {};
    const QUrl url = QUrl::fromEncoded(icalattach_get_url(attach));
    return url.isLocalFile() ? url.toLocalFile() : url.toString();
}

/// The moment an alarm falls due; none when it names no moment that can be worked out.
std::optional<Moment> dueOf(icalcomponent *alarm, const Moment &start, const Moment &end)
{
    if (own(alarm, names::Undated))
        return Moment{};
    icalproperty *p = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
    if (!p)
        return std::nullopt;
    const icaltriggertype trigger = icalproperty_get_trigger(p);
    if (!icaltime_is_null_time(trigger.time)) {
        const Moment due = localMoment(trigger.time);
        return due.date.isValid() ? std::optional(due) : std::nullopt;
    }
    const int offset = icaldurationtype_as_int(trigger.duration);
    if (offset > LongestAlarmOffset || offset < -LongestAlarmOffset)
        return std::nullopt;
    icalparameter *related = icalproperty_get_first_parameter(p, ICAL_RELATED_PARAMETER);
    const Moment &base = related && icalparameter_get_related(related) == ICAL_RELATED_END && end.date.isValid() ? end : start;
    if (!base.date.isValid())
        return std::nullopt;
    const QDateTime at = QDateTime(base.date, base.time.isValid() ? base.time : QTime(0, 0))
                             .addSecs(offset);
    return Moment{at.date(), at.time()};
}

/// The reminder the alarms of a component make: the first display alarm's moment, message and
/// settings (an empty message when it has no DESCRIPTION, or libical dropped an empty one), and the
/// first audio alarm's sound. An alarm whose moment cannot be worked out is passed over, whatever
/// else it lacks.
std::optional<Reminder> reminderOf(icalcomponent *owner, const Moment &start, const Moment &end)
{
    std::optional<Reminder> reminder;
    std::optional<Moment> firstDue;
    QString audioSound;
    for (icalcomponent *alarm = icalcomponent_get_first_component(owner, ICAL_VALARM_COMPONENT); alarm;
         alarm = icalcomponent_get_next_component(owner, ICAL_VALARM_COMPONENT)) {
        const auto due = dueOf(alarm, start, end);
        if (!due)
            continue;
        if (!firstDue)
            firstDue = due;
        icalproperty *action = icalcomponent_get_first_property(alarm, ICAL_ACTION_PROPERTY);
        if (action && icalproperty_get_action(action) == ICAL_ACTION_AUDIO) {
            if (audioSound.isEmpty())
                audioSound = soundOf(alarm);
        } else if (!reminder) {
            reminder = Reminder{*due, own(alarm, names::Sound).value_or(QString()),
                                text(alarm, ICAL_DESCRIPTION_PROPERTY), own(alarm, names::Program).value_or(QString())};
        }
    }
    if (!reminder && firstDue && !audioSound.isEmpty())
        reminder = Reminder{*firstDue, {}, {}, {}};
    if (reminder && reminder->sound.isEmpty())
        reminder->sound = audioSound;
    return reminder;
}

/// Adds, for each zone the times of a calendar name without its VTIMEZONE, the zone libical has
/// by that name, so that those times are read in their zone rather than as floating ones.
void addMissingZones(icalcomponent *calendar)
{
    for (icalcomponent *c = icalcomponent_get_first_component(calendar, ICAL_ANY_COMPONENT); c;
         c = icalcomponent_get_next_component(calendar, ICAL_ANY_COMPONENT))
        for (icalproperty *p = icalcomponent_get_first_property(c, ICAL_ANY_PROPERTY); p;
             p = icalcomponent_get_next_property(c, ICAL_ANY_PROPERTY)) {
            icalparameter *tzid = icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER);
            const QByteArray id = tzid ? QByteArray(icalparameter_get_tzid(tzid)) : QByteArray();
            if (!id.isEmpty() && !icalcomponent_get_timezone(calendar, id.constData()) && knownZone(id))
                icalcomponent_add_component(calendar, newZoneComponent(id));
        }
}

/// The record's UID; empty when it has none.
QString uidOf(icalcomponent *in)
{
    return QString::fromUtf8(icalcomponent_get_uid(in));
}

/// When the record last changed, in UTC as the identities keep it; empty when the file does not say.
QString changedOf(icalcomponent *in)
{
    icalproperty *p = icalcomponent_get_first_property(in, ICAL_LASTMODIFIED_PROPERTY);
    if (!p)
        return {};
    icaltimetype changed = icalproperty_get_lastmodified(p);
    if (icaltime_is_null_time(changed) || !icaltime_is_valid_time(changed))
        return {};
    if (changed.zone)
        changed = icaltime_convert_to_zone(changed, icaltimezone_get_utc_timezone());
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02dT%02d%02d%02dZ", changed.year, changed.month, changed.day,
        changed.hour, changed.minute, changed.second);
    return QString::fromLatin1(stamp);
}

/// The local day and time of a date or date-time property, read in the zone its TZID names.
Moment momentOf(icalcomponent *in, icalproperty *p)
{
    return localMoment(icalproperty_get_datetime_with_component(p, in));
}

bool cancelled(icalcomponent *in)
{
    return icalcomponent_get_first_property(in, ICAL_STATUS_PROPERTY)
        && icalcomponent_get_status(in) == ICAL_STATUS_CANCELLED;
}

class CalendarReader
{
public:
    CalendarReader(store::Database &db, Report &report, const ImportOptions &options, Matcher &matcher)
        : m_db(db), m_report(report), m_options(options), m_matcher(matcher)
    {
    }

    /// Stores the records of a calendar; its changed occurrences wait for readOccurrences(), as
    /// they are read after every series they may belong to. Whether any waits.
    bool read(icalcomponent *calendar)
    {
        addMissingZones(calendar);
        if (m_options.replaceKnown)
            m_keptOccurrences = occurrencesKept(calendar);
        const qsizetype waiting = m_occurrences.size();
        for (icalcomponent *c = icalcomponent_get_first_component(calendar, ICAL_ANY_COMPONENT); c;
             c = icalcomponent_get_next_component(calendar, ICAL_ANY_COMPONENT)) {
            const icalcomponent_kind kind = icalcomponent_isa(c);
            if (kind != ICAL_VTODO_COMPONENT && kind != ICAL_VEVENT_COMPONENT && kind != ICAL_VJOURNAL_COMPONENT)
                continue;
            ++m_seen;
            m_options.checkpoint(m_seen);
            if (icalcomponent_get_first_property(c, ICAL_RECURRENCEID_PROPERTY))
                m_occurrences << std::pair(c, m_seen);
            else
                storeNumbered(c, m_seen);
        }
        return m_occurrences.size() > waiting;
    }

    void readOccurrences()
    {
        for (const auto &[c, number] : std::as_const(m_occurrences))
            storeNumbered(c, number);
        m_occurrences.clear();
    }

private:
    /// The days of each series, by UID, that the calendar's changed occurrences stand for.
    static QHash<QString, QList<QDate>> occurrencesKept(icalcomponent *calendar)
    {
        QHash<QString, QList<QDate>> days;
        for (icalcomponent *c = icalcomponent_get_first_component(calendar, ICAL_ANY_COMPONENT); c;
             c = icalcomponent_get_next_component(calendar, ICAL_ANY_COMPONENT)) {
            icalproperty *occurrence = icalcomponent_get_first_property(c, ICAL_RECURRENCEID_PROPERTY);
            icalproperty *summary = icalcomponent_get_first_property(c, ICAL_SUMMARY_PROPERTY);
            const bool named = summary && !QString::fromUtf8(icalproperty_get_summary(summary)).trimmed().isEmpty();
            if (occurrence && named && !cancelled(c))
                days[uidOf(c)] << momentOf(c, occurrence).date;
        }
        return days;
    }

    /// Deletes the changed occurrences of a series that the file no longer gives it.
    void dropOccurrencesNotKept(Table table, qint64 series, const QString &uid)
    {
        const QList<QDate> kept = m_keptOccurrences.value(uid);
        for (const QDate day : m_matcher.occurrenceDays(table, series)) {
            if (kept.contains(day))
                continue;
            const store::OccurrenceLink link { series, day };
            store::removeRecord(m_db, table, m_matcher.findOccurrence(table, link, {}).rowid);
            m_matcher.forgetOccurrence(table, link);
        }
    }

    /// Stores the component, the file's `number`th record, or says why it was left out.
    void storeNumbered(icalcomponent *c, int number)
    {
        m_number = number;
        try {
            store(c, icalcomponent_isa(c));
        } catch (const Unstorable &reason) {
            m_report.skipped << QStringLiteral("%1: %2").arg(named(c), reason.why);
        }
    }

    /// The component being read as the report names it: its kind, number and summary.
    QString named(icalcomponent *c) const
    {
        return QStringLiteral("%1 %2 (%3)")
            .arg(QLatin1String(icalcomponent_kind_to_string(icalcomponent_isa(c))))
            .arg(m_number)
            .arg(label(c));
    }

    /// Counts a repeat that is not kept, saying why.
    void dropRepeat(icalcomponent *c, const QString &why)
    {
        ++m_report.repeatsDropped;
        m_report.droppedRepeats << QStringLiteral("%1: %2").arg(named(c), why);
    }

    /// The series of a task or schedule as the component says it, starting at `start`; none when it
    /// happens once or its rule cannot be kept (which is counted).
    std::optional<store::Repeat> repeatIn(icalcomponent *c, const Moment &start)
    {
        // Read first: naming the component for the report moves libical's walk through its properties.
        QStringList rules;
        for (icalproperty *p = icalcomponent_get_first_property(c, ICAL_RRULE_PROPERTY); p;
             p = icalcomponent_get_next_property(c, ICAL_RRULE_PROPERTY))
            rules << QString::fromUtf8(icalproperty_get_value_as_string(p));
        std::optional<store::Repeat> repeat;
        for (const QString &rule : rules.mid(1))
            dropRepeat(c, QStringLiteral("a second RRULE (%1)").arg(rule));
        if (!rules.isEmpty() && !start.date.isValid()) {
            dropRepeat(c, QStringLiteral("a repeat without a start"));
        } else if (!rules.isEmpty()) {
            const QString kept = ruleToKeep(rules.first(), start);
            QString why = QStringLiteral("an unreadable UNTIL");
            if (const auto read = kept.isEmpty() ? std::nullopt : store::fromRRule(kept, start.date, &why))
                repeat = store::Repeat{*read, {}};
            else
                dropRepeat(c, why);
        }
        if (icalcomponent_get_first_property(c, ICAL_RDATE_PROPERTY))
            dropRepeat(c, QStringLiteral("added days (RDATE)"));
        if (icalcomponent_get_first_property(c, ICAL_EXRULE_PROPERTY))
            dropRepeat(c, QStringLiteral("a rule of days left out (EXRULE)"));
        if (!repeat)
            return repeat;
        for (icalproperty *p = icalcomponent_get_first_property(c, ICAL_EXDATE_PROPERTY); p;
             p = icalcomponent_get_next_property(c, ICAL_EXDATE_PROPERTY))
            if (const QDate day = momentOf(c, p).date; day.isValid() && !repeat->exceptions.contains(day))
                repeat->exceptions << day;
        std::sort(repeat->exceptions.begin(), repeat->exceptions.end());
        return repeat;
    }

    /// The occurrence of a known series that a component with a RECURRENCE-ID changes; none, and
    /// counted, when its series is not kept here.
    std::optional<store::OccurrenceLink> occurrenceIn(icalcomponent *c, icalcomponent_kind kind)
    {
        if (kind == ICAL_VJOURNAL_COMPONENT) {
            dropRepeat(c, QStringLiteral("a changed occurrence of a note, and notes do not repeat"));
            return std::nullopt;
        }
        const Table table = kind == ICAL_VTODO_COMPONENT ? Table::Task : Table::Schedule;
        const qint64 series = m_matcher.rowOf(table, uidOf(c));
        if (series == 0 || !store::repeatOf(m_db, table, series)) {
            dropRepeat(c, QStringLiteral("a changed occurrence of a series that is not here"));
            return std::nullopt;
        }
        const QDate day = momentOf(c, icalcomponent_get_first_property(c, ICAL_RECURRENCEID_PROPERTY)).date;
        if (!day.isValid())
            throw Unstorable{QStringLiteral("an unreadable RECURRENCE-ID")};
        return store::OccurrenceLink{series, day};
    }

    /// Leaves a day out of a series; whether it was in it.
    bool leaveOut(Table table, const store::OccurrenceLink &link)
    {
        const auto repeat = store::repeatOf(m_db, table, link.series);
        if (!repeat || repeat->exceptions.contains(link.day))
            return false;
        store::addException(m_db, table, link.series, link.day);
        return true;
    }

    static QString label(icalcomponent *c)
    {
        icalproperty *p = icalcomponent_get_first_property(c, ICAL_SUMMARY_PROPERTY);
        const QString summary = p ? QString::fromUtf8(icalproperty_get_summary(p)) : QString();
        return summary.isEmpty() ? QStringLiteral("no summary") : QLatin1Char('"') + summary.left(40) + QLatin1Char('"');
    }

    void store(icalcomponent *c, icalcomponent_kind kind)
    {
        // An alarm that cannot be read is passed over; the record itself must be read whole.
        if (icalproperty *error = icalcomponent_get_first_property(c, ICAL_XLICERROR_PROPERTY))
            throw Unstorable{QString::fromUtf8(icalproperty_get_xlicerror(error)).left(120)};
        if (own(c, names::TooLong))
            throw Unstorable{QStringLiteral("a line longer than 1 MB, or with more than %1 parameters").arg(MostParameters)};
        const QString name = text(c, ICAL_SUMMARY_PROPERTY);
        if (kind == ICAL_VEVENT_COMPONENT && own(c, names::Birthday))
            return storeBirthday(c);
        m_occurrence.reset();
        if (icalcomponent_get_first_property(c, ICAL_RECURRENCEID_PROPERTY)) {
            m_occurrence = occurrenceIn(c, kind);
            if (!m_occurrence)
                return;
            // An occurrence called off, or with nothing of its own, is only left out of its series.
            if (cancelled(c) || name.trimmed().isEmpty()) {
                ++(leaveOut(kind == ICAL_VTODO_COMPONENT ? Table::Task : Table::Schedule, *m_occurrence)
                        ? m_report.updated
                        : m_report.unchanged);
                return;
            }
        }
        if (kind == ICAL_VJOURNAL_COMPONENT && (icalcomponent_get_first_property(c, ICAL_RRULE_PROPERTY)
                                                || icalcomponent_get_first_property(c, ICAL_RDATE_PROPERTY)))
            dropRepeat(c, QStringLiteral("notes do not repeat"));
        if (name.trimmed().isEmpty())
            throw Unstorable{QStringLiteral("no summary")};
        if (kind == ICAL_VTODO_COMPONENT)
            storeTask(c, name);
        else if (kind == ICAL_VEVENT_COMPONENT)
            storeSchedule(c, name);
        else
            storeNote(c, name);
    }

    void storeTask(icalcomponent *c, const QString &name)
    {
        Moment due = momentOf(c, ICAL_DUE_PROPERTY, icalcomponent_get_due);
        if (!due.date.isValid())
            due = momentOf(c, ICAL_DTSTART_PROPERTY, icalcomponent_get_dtstart);
        const QString description = text(c, ICAL_DESCRIPTION_PROPERTY);
        const auto reminder = reminderOf(c, due, due);
        const Values row{{1, name}, {2, description}, {3, storedDay(due.date)}, {4, storedTimeOfDay(due.time)},
                         {5, statusOf(c)}, {6, priorityOf(c)}, {7, categoryOf(c)}};
        keep(c, {Table::Task, 8, m_report.tasks}, row, reminder, due);
    }

    void storeSchedule(icalcomponent *c, const QString &name)
    {
        const Moment start = momentOf(c, ICAL_DTSTART_PROPERTY, icalcomponent_get_dtstart);
        if (!start.date.isValid())
            throw Unstorable{QStringLiteral("no start")};
        Moment end = start;
        if (icalcomponent_get_first_property(c, ICAL_DTEND_PROPERTY) || icalcomponent_get_first_property(c, ICAL_DURATION_PROPERTY)) {
            end = localMoment(icalcomponent_get_dtend(c));
            if (!end.date.isValid())
                throw Unstorable{QStringLiteral("an unreadable DTEND")};
            // An all-day end is the start of the day after the last one.
            if (!end.time.isValid() && end.date > start.date)
                end.date = end.date.addDays(-1);
            if (start.time.isValid() && !end.time.isValid())
                end.time = start.time;
        }
        const QString description = text(c, ICAL_DESCRIPTION_PROPERTY);
        const auto reminder = reminderOf(c, start, end);
        const Values row{{1, name}, {2, description}, {3, storedDay(start.date)}, {4, storedTimeOfDay(start.time)},
                         {5, storedDay(end.date)}, {6, storedTimeOfDay(end.time)}, {7, statusOf(c)},
                         {8, priorityOf(c)}, {9, categoryOf(c)}};
        keep(c, {Table::Schedule, 10, m_report.schedules}, row, reminder, start);
    }

    void storeNote(icalcomponent *c, const QString &name)
    {
        const Moment day = momentOf(c, ICAL_DTSTART_PROPERTY, icalcomponent_get_dtstart);
        const QString description = text(c, ICAL_DESCRIPTION_PROPERTY);
        const auto reminder = reminderOf(c, day, day);
        const Values row{{1, name}, {2, description}, {3, storedDay(day.date)}, {4, storedTimeOfDay(day.time)}};
        keep(c, {Table::Note, 5, m_report.notes}, row, reminder, {});
    }

    /// Where a kind of record goes, and what counts it.
    struct Kind
    {
        Table table;
        int remNoColumn;
        int &count;
    };

    /// Adds the record, updates the stored one of its UID when the file's copy changed later, or
    /// leaves that one alone; a task or schedule with its series, starting at `start`.
    void keep(icalcomponent *c, const Kind &kind, Values row, const std::optional<Reminder> &reminder,
        const Moment &start)
    {
        if (m_occurrence)
            return keepOccurrence(c, kind, row, reminder);
        const bool repeatable = kind.table == Table::Task || kind.table == Table::Schedule;
        const std::optional<store::Repeat> repeat = repeatable ? repeatIn(c, start) : std::nullopt;
        const QString uid = uidOf(c);
        const QString changed = changedOf(c);
        const Matcher::Match match = m_matcher.find(kind.table, uid, changed, m_options.replaceKnown);
        if (match.fate == Matcher::Fate::OtherKind)
            throw Unstorable{QStringLiteral("its UID is that of another kind of record")};
        if (match.fate == Matcher::Fate::Unchanged) {
            ++m_report.unchanged;
            return;
        }
        const qint64 rowid = write(kind, match, row, reminder);
        if (match.fate == Matcher::Fate::Update && repeatable) {
            if (m_options.replaceKnown)
                dropOccurrencesNotKept(kind.table, rowid, uid);
            std::optional<store::Repeat> kept = repeat;
            // The days its changed occurrences stand for stay left out of the series.
            for (const QDate day : kept ? m_matcher.occurrenceDays(kind.table, rowid) : QList<QDate>())
                if (!kept->exceptions.contains(day))
                    kept->exceptions << day;
            if (kept)
                std::sort(kept->exceptions.begin(), kept->exceptions.end());
            store::setRepeat(m_db, kind.table, rowid, start.date, kept);
        } else if (repeat) {
            store::setRepeat(m_db, kind.table, rowid, start.date, repeat);
        }
        m_matcher.stored(kind.table, rowid, uid, changed, match.fate, m_report);
        ++kind.count;
    }

    /// Keeps a changed occurrence of a series as a record of its own, linked to the series.
    void keepOccurrence(icalcomponent *c, const Kind &kind, Values row, const std::optional<Reminder> &reminder)
    {
        const QString changed = changedOf(c);
        const Matcher::Match match = m_matcher.findOccurrence(kind.table, *m_occurrence, changed, m_options.replaceKnown);
        if (match.fate == Matcher::Fate::Unchanged) {
            ++m_report.unchanged;
            return;
        }
        const qint64 rowid = write(kind, match, row, reminder);
        if (match.fate == Matcher::Fate::Add) {
            store::linkOccurrence(m_db, kind.table, rowid, *m_occurrence);
            leaveOut(kind.table, *m_occurrence);
        }
        m_matcher.storedOccurrence(kind.table, rowid, *m_occurrence, changed, match.fate, m_report);
        ++kind.count;
    }

    /// Writes a record to add, or over the matched one; its rowid.
    qint64 write(const Kind &kind, const Matcher::Match &match, Values row, const std::optional<Reminder> &reminder)
    {
        if (match.fate == Matcher::Fate::Update) {
            const QList<store::Record> stored = m_db.records(kind.table, QStringLiteral("rowid = ?"), {match.rowid});
            const qint64 storedRemNo = stored.isEmpty() ? 0 : stored.first().number(kind.remNoColumn);
            row.insert(kind.remNoColumn, replaceReminder(storedRemNo, reminder));
            m_db.update(kind.table, match.rowid, row);
            return match.rowid;
        }
        row.insert(0, m_matcher.numbers(kind.table).next());
        if (reminder)
            row.insert(kind.remNoColumn, storeReminder(*reminder));
        return m_db.insert(kind.table, row);
    }

    /// The reminder number of an updated record: its reminder rewritten, made or removed.
    qint64 replaceReminder(qint64 storedRemNo, const std::optional<Reminder> &reminder)
    {
        const QList<store::Record> rows = storedRemNo == 0
            ? QList<store::Record>()
            : m_db.records(Table::Reminder, QStringLiteral("rem_no = ?"), {storedRemNo});
        if (!reminder) {
            for (const store::Record &row : rows)
                m_db.remove(Table::Reminder, row.rowid);
            return 0;
        }
        if (rows.isEmpty())
            return storeReminder(*reminder);
        m_db.update(Table::Reminder, rows.first().rowid, reminderColumns(*reminder));
        ++m_report.reminders;
        return storedRemNo;
    }

    void storeBirthday(icalcomponent *c)
    {
        const Moment day = momentOf(c, ICAL_DTSTART_PROPERTY, icalcomponent_get_dtstart);
        const QString contactUid = own(c, names::ContactUid).value_or(QString());
        if (const qint64 contact = m_matcher.rowOf(Table::Contact, contactUid))
            return storeBirthdayOf(c, contact, m_matcher.changedOf(contactUid), day);
        const QString first = own(c, names::FirstName).value_or(QString());
        const QString last = own(c, names::LastName).value_or(QString());
        const auto open = openBirthdays().find(QStringList{first, last, storedDay(day.date)});
        if (open == openBirthdays().end() || open->isEmpty())
            throw Unstorable{QStringLiteral("its contact was not found (no contact of this name and birth date "
                                            "without a birthday reminder); import the contacts' .vcf file with "
                                            "this calendar")};
        if (const auto reminder = reminderOf(c, day, day))
            m_db.update(Table::Birthday, open->takeFirst(), {{3, storeReminder(*reminder)}});
        ++m_report.birthdays;
    }

    /// The birthday of a contact known by its UID: its reminder added, or replaced when the file's
    /// copy changed later than the contact.
    void storeBirthdayOf(icalcomponent *c, qint64 contactRowid, const QString &contactChanged, const Moment &day)
    {
        const auto found = birthdaysByContact().find(contactRowid);
        if (found == birthdaysByContact().end())
            throw Unstorable{QStringLiteral("its contact has no birthday")};
        const qint64 birthday = found->rowid;
        const qint64 remNo = found->remNo;
        const auto reminder = reminderOf(c, day, day);
        const QString changed = changedOf(c);
        const bool keptAsStored = remNo != 0 ? changed.isEmpty() || changed <= contactChanged : !reminder;
        if (keptAsStored) {
            ++m_report.unchanged;
            return;
        }
        found->remNo = replaceReminder(remNo, reminder);
        m_db.update(Table::Birthday, birthday, {{3, found->remNo}});
        ++m_report.birthdays;
    }

    struct BirthdayRow
    {
        qint64 rowid;
        qint64 remNo;
    };
    /// Each contact's first birthday row by the contact's rowid; read at the first birthday that
    /// names its contact, when the import's contacts are stored.
    QHash<qint64, BirthdayRow> &birthdaysByContact()
    {
        if (!m_birthdaysByContact) {
            m_birthdaysByContact.emplace();
            QSqlQuery rows = m_db.run(QStringLiteral(
                "SELECT c.rowid, b.rowid, b.rem_no FROM BIRTHDAY_INFO b "
                "JOIN CONTACT_INFO c ON c.contact_no = b.birthday_contact_no ORDER BY b.rowid DESC"));
            // Read last to first, so that the first row of a contact is the one kept.
            while (rows.next())
                m_birthdaysByContact->insert(rows.value(0).toLongLong(), {rows.value(1).toLongLong(), rows.value(2).toLongLong()});
        }
        return *m_birthdaysByContact;
    }

    /// The birthday rows without a reminder, first row first, by their contact's first name, last
    /// name and birth date; read at the first birthday, when the import's contacts are stored.
    QHash<QStringList, QList<qint64>> &openBirthdays()
    {
        if (!m_openBirthdays) {
            m_openBirthdays.emplace();
            QSqlQuery rows = m_db.run(QStringLiteral(
                "SELECT IFNULL(c.contact_fname, ''), IFNULL(c.contact_lname, ''), c.contact_bdate, b.rowid "
                "FROM BIRTHDAY_INFO b JOIN CONTACT_INFO c ON c.contact_no = b.birthday_contact_no "
                "WHERE b.rem_no = 0 ORDER BY b.rowid"));
            while (rows.next())
                (*m_openBirthdays)[{rows.value(0).toString(), rows.value(1).toString(), rows.value(2).toString()}]
                    << rows.value(3).toLongLong();
        }
        return *m_openBirthdays;
    }

    qint64 storeReminder(const Reminder &reminder)
    {
        const qint64 number = m_matcher.numbers(Table::Reminder).next();
        Values row = reminderColumns(reminder);
        row.insert(0, number);
        m_db.insert(Table::Reminder, row);
        ++m_report.reminders;
        return number;
    }

    bool soundExists(const QString &file)
    {
        auto known = m_soundsFound.find(file);
        if (known == m_soundsFound.end())
            known = m_soundsFound.insert(file, QFileInfo::exists(file));
        return *known;
    }

    /// A reminder's columns as they may be kept: a program only when the user allowed it, a sound
    /// only when its file is here.
    Values reminderColumns(const Reminder &reminder)
    {
        QString program = reminder.program;
        if (!program.isEmpty() && program != NoProgram && !m_options.withPrograms) {
            program.clear();
            ++m_report.programsDropped;
        }
        QString sound = reminder.sound;
        if (!sound.isEmpty() && sound != NoSound && !soundExists(sound)) {
            sound.clear();
            ++m_report.soundsDropped;
        }
        return {{1, storedDay(reminder.due.date)}, {2, storedTimeOfDay(reminder.due.time)}, {3, sound},
                {4, reminder.message}, {5, program}};
    }

    store::Database &m_db;
    Report &m_report;
    const ImportOptions &m_options;
    Matcher &m_matcher;
    std::optional<QHash<QStringList, QList<qint64>>> m_openBirthdays;
    std::optional<QHash<qint64, BirthdayRow>> m_birthdaysByContact;
    QHash<QString, bool> m_soundsFound;
    int m_seen = 0;
    int m_number = 0;                                  ///< of the component being read, in the file
    std::optional<store::OccurrenceLink> m_occurrence; ///< that the component being read changes
    QList<std::pair<icalcomponent *, int>> m_occurrences; ///< changed occurrences waiting, with their numbers
    QHash<QString, QList<QDate>> m_keptOccurrences;    ///< when the file's copies replace the known ones
};

/// Whether a logical line has more parameters before its value than any calendar needs.
bool hasTooManyParameters(QByteArrayView line)
{
    int parameters = 0;
    bool quoted = false;
    for (const char c : line) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == ':')
            return false;
        else if (!quoted && c == ';' && ++parameters > MostParameters)
            return true;
    }
    return false;
}

/// The text with each logical line longer than the longest value, or with too many parameters,
/// replaced by a marker, which makes its component be left out; libical reads such lines far too
/// slowly.
QByteArray withoutOverlongLines(const QByteArray &text)
{
    QByteArray out;
    out.reserve(text.size());
    qsizetype logicalStart = 0, from = 0;
    const auto flush = [&](qsizetype end) {
        const QByteArrayView line = QByteArrayView(text).sliced(logicalStart, end - logicalStart);
        if (line.size() > LongestText || hasTooManyParameters(line))
            out += QByteArray(names::TooLong) + ":TRUE\r\n";
        else
            out += line;
        logicalStart = end;
    };
    while (from < text.size()) {
        qsizetype end = text.indexOf('\n', from);
        end = end < 0 ? text.size() : end + 1;
        if (end < text.size() && text[end] != ' ' && text[end] != '\t')
            flush(end);
        from = end;
    }
    flush(text.size());
    return out;
}

/// The text with each alarm offset written without its "T" ("TRIGGER:-P300S", as calcurse writes
/// it) given that "T"; libical refuses such a duration.
QByteArray withTimedTriggers(QByteArray text)
{
    const auto isDigit = [&](qsizetype at) { return at < text.size() && text[at] >= '0' && text[at] <= '9'; };
    for (qsizetype at = text.indexOf("\nTRIGGER"); at >= 0; at = text.indexOf("\nTRIGGER", at + 1)) {
        const qsizetype colon = text.indexOf(':', at), lineEnd = text.indexOf('\n', at + 1);
        if (colon < 0 || (lineEnd >= 0 && colon > lineEnd))
            continue;
        qsizetype period = colon + 1;
        if (period < text.size() && (text[period] == '-' || text[period] == '+'))
            ++period;
        if (period >= text.size() || text[period] != 'P' || !isDigit(period + 1))
            continue;
        qsizetype unit = period + 1;
        while (isDigit(unit))
            ++unit;
        if (unit < text.size() && (text[unit] == 'H' || text[unit] == 'M' || text[unit] == 'S'))
            text.insert(period + 1, 'T');
    }
    return text;
}

/// The text handed to libical a line at a time, so that a parse past the deadline stops.
struct LineFeed
{
    QByteArrayView text;
    QDeadlineTimer deadline;
    bool late = false;

    static char *next(char *out, size_t size, void *data)
    {
        auto *feed = static_cast<LineFeed *>(data);
        if (feed->text.isEmpty() || size < 2)
            return nullptr;
        if (feed->deadline.hasExpired()) {
            feed->late = true;
            return nullptr;
        }
        const qsizetype lineEnd = feed->text.indexOf('\n');
        const qsizetype length = std::min<qsizetype>(lineEnd < 0 ? feed->text.size() : lineEnd + 1, qsizetype(size) - 1);
        std::memcpy(out, feed->text.data(), size_t(length));
        out[length] = '\0';
        feed->text = feed->text.sliced(length);
        return out;
    }
};

Component parsed(const QByteArray &text, QDeadlineTimer deadline)
{
    LineFeed feed { text, deadline };
    std::unique_ptr<icalparser, decltype(&icalparser_free)> parser(icalparser_new(), &icalparser_free);
    icalparser_set_gen_data(parser.get(), &feed);
    Component root(icalparser_parse(parser.get(), &LineFeed::next), &icalcomponent_free);
    if (feed.late)
        throw TooSlow {};
    return root;
}

} // namespace

void importCalendar(store::Database &db, const QByteArray &text, Report &report, const ImportOptions &options,
    Matcher &matcher)
{
    // Times are converted to the local zone as it is now.
    tzset();
    // libical sets its UTC zone up at the first use; here, before a second thread parses.
    icaltimezone_get_utc_timezone();
    const QByteArray readable = withTimedTriggers(withoutOverlongLines(text));
    // The records are stored a piece at a time while the next piece is parsed beside them. A
    // calendar whose copies replace the known ones is read whole: its occurrences are weighed
    // against every series.
    const QList<QByteArray> pieces
        = options.replaceKnown ? QList<QByteArray>{readable} : calendarPieces(readable, PieceRecords);
    CalendarReader reader(db, report, options, matcher);
    std::vector<Component> waiting; // pieces with changed occurrences still to store
    Component root = parsed(pieces.first(), options.deadline);
    for (qsizetype piece = 0; piece < pieces.size(); ++piece) {
        std::future<Component> next;
        if (piece + 1 < pieces.size())
            next = std::async(std::launch::async, [&pieces, piece, deadline = options.deadline] {
                return parsed(pieces[piece + 1], deadline);
            });
        if (!root) {
            report.failure = QStringLiteral("The file holds no calendar that can be read.");
            return;
        }
        bool occurrences = false;
        if (icalcomponent_isa(root.get()) == ICAL_VCALENDAR_COMPONENT)
            occurrences = reader.read(root.get());
        for (icalcomponent *c = icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT); c;
             c = icalcomponent_get_next_component(root.get(), ICAL_VCALENDAR_COMPONENT))
            occurrences = reader.read(c) || occurrences;
        if (occurrences)
            waiting.push_back(std::move(root));
        if (next.valid())
            root = next.get();
    }
    reader.readOccurrences();
}

} // namespace exchange
