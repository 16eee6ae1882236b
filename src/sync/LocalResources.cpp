// SPDX-License-Identifier: MIT
#include "sync/LocalResources.h"

#include "exchange/CalendarExport.h"
#include "exchange/CalendarImport.h"
#include "exchange/ContactCards.h"
#include "store/Removal.h"
#include "sync/MemberText.h"

#include <algorithm>

namespace syncing {
namespace {

bool travels(const text::Component &component, bool withNotes)
{
    return (component.kind == "VTODO" || component.kind == "VEVENT" || (withNotes && component.kind == "VJOURNAL"))
        && !component.birthday;
}

/// Each record's components in one calendar object with the zones they name; the series first,
/// then its changed occurrences by the day they replace, so that equal records read alike.
void addCalendarResources(const QByteArray &calendarText, bool withNotes, QHash<QString, Resource> &resources)
{
    const text::Calendar calendar = text::calendarOf(calendarText);
    QList<const text::Component *> zones;
    QHash<QString, QList<const text::Component *>> records;
    for (const text::Component &component : calendar.components) {
        if (component.kind == "VTIMEZONE")
            zones << &component;
        else if (travels(component, withNotes))
            records[component.uid] << &component;
    }
    for (auto record = records.begin(); record != records.end(); ++record) {
        QList<const text::Component *> &parts = *record;
        std::stable_sort(parts.begin(), parts.end(),
            [](const text::Component *a, const text::Component *b) { return a->recurrenceId < b->recurrenceId; });
        QList<const text::Component *> used;
        for (const text::Component *zone : std::as_const(zones))
            if (std::any_of(parts.cbegin(), parts.cend(),
                    [&](const text::Component *part) { return part->zonesUsed.contains(zone->zoneId); }))
                used << zone;
        const QByteArray text = text::calendarText(calendar.header, used + parts);
        resources.insert(record.key(), { record.key(), Kind::Calendar, text, text::digest(text) });
    }
}

} // namespace

QHash<QString, Resource> localResources(const store::Database &db, bool withNotes)
{
    exchange::Report report;
    const QByteArray calendar = exchange::calendarOf(db, report);
    if (!report.succeeded())
        throw Unwritable { report.failure };
    QHash<QString, Resource> resources;
    addCalendarResources(calendar, withNotes, resources);
    for (const text::Component &card : text::cardsOf(exchange::cardsOf(db, report)))
        resources.insert(card.uid, { card.uid, Kind::Contacts, card.text, text::digest(card.text) });
    return resources;
}

QString uidOf(Kind kind, const QByteArray &text)
{
    const QList<text::Component> components
        = kind == Kind::Calendar ? text::calendarOf(text).components : text::cardsOf(text);
    for (const text::Component &component : components)
        if (component.kind != "VTIMEZONE")
            return component.uid;
    return {};
}

QByteArray digestOf(const QByteArray &text)
{
    return text::digest(text);
}

RemoteWriter::RemoteWriter(store::Database &db, bool withNotes)
    : m_db(db), m_withNotes(withNotes), m_matcher(db)
{
}

RemoteWriter::~RemoteWriter() = default;

bool RemoteWriter::store(Kind kind, const QByteArray &text)
{
    return write(kind, text, true);
}

bool RemoteWriter::storeIfLater(Kind kind, const QByteArray &text)
{
    return write(kind, text, false);
}

bool RemoteWriter::write(Kind kind, const QByteArray &text, bool replace)
{
    const QString uid = uidOf(kind, text);
    QByteArray kept = text;
    if (kind == Kind::Calendar) {
        // Birthdays (and notes, unless the calendar takes them) stay local; the server keeps its own.
        const text::Calendar calendar = text::calendarOf(text);
        QList<const text::Component *> parts;
        bool left = false;
        const auto ours = [this](const text::Component &component) { return travels(component, m_withNotes); };
        for (const text::Component &component : calendar.components) {
            const bool travelling = ours(component);
            if (component.kind == "VTIMEZONE" || travelling)
                parts << &component;
            left = left || (component.kind != "VTIMEZONE" && !travelling);
        }
        if (std::none_of(parts.cbegin(), parts.cend(), [&](const text::Component *part) { return ours(*part); })) {
            m_report.skipped << QStringLiteral("%1: kept on the server only (no task or schedule)").arg(uid);
            return false;
        }
        if (left)
            kept = text::calendarText(calendar.header, parts);
    }
    exchange::ImportOptions options;
    options.replaceKnown = replace;
    options.deadline = QDeadlineTimer(options.fixedTime + options.timePerMegabyte * kept.size() / (1 << 20));
    const int before = m_report.added + m_report.updated + (replace ? m_report.unchanged : 0);
    try {
        if (kind == Kind::Calendar)
            exchange::importCalendar(m_db, kept, m_report, options, m_matcher);
        else
            exchange::importCards(m_db, kept, m_report, options, m_matcher);
    } catch (const exchange::TooSlow &) {
        m_report.failure = QStringLiteral("it takes far too long to read");
    }
    if (!m_report.succeeded()) {
        m_report.skipped << QStringLiteral("%1: %2").arg(uid, m_report.failure);
        m_report.failure.clear();
        return false;
    }
    return m_report.added + m_report.updated + (replace ? m_report.unchanged : 0) > before;
}

QString RemoteWriter::storeConflictCopy(const Resource &local)
{
    QHash<QString, QString> newUids;
    const QByteArray copy = text::renamed(local.text, QStringLiteral(" (conflict copy)"), newUids);
    if (!write(local.kind, copy, false))
        return {};
    return newUids.value(local.uid);
}

void RemoteWriter::remove(const QString &uid)
{
    const auto row = store::rowOfUid(m_db, uid);
    if (!row || (row->table != store::Table::Task && row->table != store::Table::Schedule
            && row->table != store::Table::Contact))
        return;
    store::removeRecord(m_db, row->table, row->rowid);
    m_matcher.forget(row->table, row->rowid, uid);
}

} // namespace syncing
