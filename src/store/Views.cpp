// SPDX-License-Identifier: MIT
#include "store/Views.h"

#include "store/DateTimeText.h"
#include "store/KeptUntilChanged.h"
#include "store/Repeats.h"

#include <QHash>
#include <QSqlQuery>

namespace store {

namespace {

constexpr int StartColumn = 3;

/// The rules of a table's series by record, read at once.
QHash<qint64, RepeatRule> seriesRules(const Database &db, Table table)
{
    QHash<qint64, RepeatRule> rules;
    for (const Series &series : seriesFrom(db, table, QDate(1, 1, 1)))
        rules.insert(series.rowid, series.repeat.rule);
    return rules;
}

} // namespace

QList<ViewGroup> groupedView(const Database &db, const ViewSpec &view)
{
    // Only the view's columns are read, already in number order (table order among equal numbers).
    const TableInfo &info = tableInfo(view.table);
    const bool wordsRepeats = std::any_of(view.columns.begin(), view.columns.end(),
        [](const ViewColumn &column) { return column.column == RepeatsColumn; });
    QStringList selected;
    for (const ViewColumn &column : view.columns)
        selected << (column.column < 0 ? QStringLiteral("NULL") : info.columns.at(column.column));
    const int groupAt = int(selected.size());
    if (view.groupColumn >= 0)
        selected << info.columns.at(view.groupColumn);
    const int seriesAt = int(selected.size());
    if (wordsRepeats)
        selected << QStringLiteral("rowid") << info.columns.at(StartColumn);
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(selected.join(QStringLiteral(", ")), info.name);
    QVariantList params;
    if (view.filterColumn >= 0) {
        sql += QStringLiteral(" WHERE %1 = ?").arg(info.columns.at(view.filterColumn));
        params << view.filterValue;
    }
    sql += QStringLiteral(" ORDER BY %1, rowid").arg(info.columns.first());
    const QHash<qint64, RepeatRule> rules = wordsRepeats ? seriesRules(db, view.table) : QHash<qint64, RepeatRule>();
    QSqlQuery query = db.run(sql, params);

    const auto cellText = [&](int position, int column) {
        if (column == RepeatsColumn) {
            const auto rule = rules.constFind(query.value(seriesAt).toLongLong());
            return rule == rules.constEnd()
                ? QString()
                : inWords(*rule, storedDate(query.value(seriesAt + 1).toString()));
        }
        const QVariant value = query.value(position);
        if (column < 0 || value.isNull())
            return QString();
        return info.isDateTime(column) ? storedToText(value.toString()) : value.toString();
    };
    QList<ViewGroup> groups;
    QHash<QString, qsizetype> groupIndex;
    const int columnCount = int(view.columns.size());
    while (query.next()) {
        const QString key = view.groupColumn < 0 ? QString() : cellText(groupAt, view.groupColumn);
        auto found = groupIndex.constFind(key);
        if (found == groupIndex.constEnd()) {
            found = groupIndex.insert(key, groups.size());
            groups.append(ViewGroup{key, {}});
        }
        QStringList texts;
        texts.reserve(columnCount);
        for (int i = 0; i < columnCount; ++i)
            texts << cellText(i, view.columns.at(i).column);
        groups[*found].rows << texts;
    }
    return groups;
}

ViewSpec taskView(const QString &category)
{
    return ViewSpec{Table::Task,
                    {{QStringLiteral("Priority"), 6},
                     {QStringLiteral("CODE"), 0},
                     {QStringLiteral("Name"), 1},
                     {QStringLiteral("Description"), 2},
                     {QStringLiteral("Date"), 3},
                     {QStringLiteral("Time"), 4},
                     {QStringLiteral("Status"), 5},
                     {QStringLiteral("TASK_CATEGORY"), 7},
                     {QStringLiteral("Repeats"), RepeatsColumn}},
                    7,
                    category,
                    6};
}

ViewSpec scheduleView(const QString &category)
{
    return ViewSpec{Table::Schedule,
                    {{QStringLiteral("Priority"), 8},
                     {QStringLiteral("CODE"), 0},
                     {QStringLiteral("Name"), 1},
                     {QStringLiteral("Description"), 2},
                     {QStringLiteral("Start Date"), 3},
                     {QStringLiteral("Start Time"), 4},
                     {QStringLiteral("Due Date"), 5},
                     {QStringLiteral("Due Time"), 6},
                     {QStringLiteral("Status"), 7},
                     {QStringLiteral("schedule_category"), 9},
                     {QStringLiteral("Repeats"), RepeatsColumn}},
                    9,
                    category,
                    8};
}

ViewSpec noteView()
{
    return ViewSpec{Table::Note,
                    {{QString(), -1},
                     {QStringLiteral("Name"), 1},
                     {QStringLiteral("Description"), 2},
                     {QStringLiteral("Date"), 3},
                     {QStringLiteral("Time"), 4},
                     {QStringLiteral("Note No"), 0}},
                    -1,
                    {},
                    -1};
}

namespace {

/// The bounds of "date >= ? AND date < ?" for a day and the day before (the catch-up of a late tick
/// over midnight). Stored days are text that starts yyyy-MM-dd, so a day's values sort between it
/// and the next.
QVariantList dayAndTheDayBefore(QDate day)
{
    return { storedDateOf(day.addDays(-1)), storedDateOf(day.addDays(1)) };
}

struct ReminderOwner
{
    ReminderKind kind;
    Table table;
    bool repeats;
    QString tableName() const { return tableInfo(table).name; }
    QString nameColumn() const { return tableInfo(table).columns.at(1); }
};

const ReminderOwner Owners[] = {
    { ReminderKind::Task, Table::Task, true },
    { ReminderKind::Schedule, Table::Schedule, true },
    { ReminderKind::Note, Table::Note, false },
};

// Columns: the owner's name; then the reminder's date, time, sound, message, program and number;
// then the owner's rowid. The owner is named o, the reminder r.
QString ownedRemindersFrom(const QString &from, const QString &nameColumn, const QString &condition)
{
    return QStringLiteral("SELECT o.%2, r.rem_date, r.rem_time, r.rem_sound, r.rem_message, r.rem_program, r.rem_no, "
                          "o.rowid FROM %1 WHERE %3 AND o.rem_no <> 0 ORDER BY o.rowid, r.rowid")
        .arg(from, nameColumn, condition);
}

QString ownedRemindersWhere(const QString &owner, const QString &nameColumn, const QString &condition)
{
    return ownedRemindersFrom(
        QStringLiteral("REMINDER_INFO r JOIN %1 o ON o.rem_no = r.rem_no").arg(owner), nameColumn, condition);
}

// Columns: the reminder's date, time, sound, message, program; the contact's mobile; the number.
QString birthdayRemindersWhere(const QString &condition)
{
    return QStringLiteral(
        "SELECT r.rem_date, r.rem_time, r.rem_sound, r.rem_message, r.rem_program, c.contact_pmobileno, r.rem_no "
        "FROM REMINDER_INFO r JOIN BIRTHDAY_INFO b ON r.rem_no = b.rem_no "
        "JOIN CONTACT_INFO c ON c.contact_no = b.birthday_contact_no "
        "WHERE %1 AND r.rem_no <> 0 "
        "ORDER BY r.rowid, b.rowid, c.rowid")
        .arg(condition);
}

void readOwned(
    const Database &db, ReminderKind kind, const std::pair<QString, QVariantList> &query, QList<JoinedReminder> &out)
{
    QSqlQuery q = db.run(query.first, query.second);
    while (q.next()) {
        out << JoinedReminder { kind, q.value(0).toString(), storedDate(q.value(1).toString()),
            storedTime(q.value(2).toString()), q.value(3).toString(), q.value(4).toString(), q.value(5).toString(), {},
            q.value(6).toLongLong(), q.value(7).toLongLong(), {} };
    }
}

void readBirthdays(const Database &db, const std::pair<QString, QVariantList> &query, QList<JoinedReminder> &out)
{
    QSqlQuery q = db.run(query.first, query.second);
    while (q.next()) {
        out << JoinedReminder { ReminderKind::Birthday, {}, storedDate(q.value(0).toString()),
            storedTime(q.value(1).toString()), q.value(2).toString(), q.value(3).toString(), q.value(4).toString(),
            q.value(5).toString(), q.value(6).toLongLong(), 0, {} };
    }
}

/// Whether any record of the table repeats (the readers of a day then leave them to their series).
bool hasSeries(const Database &db, Table table)
{
    return !seriesFrom(db, table, QDate(1, 1, 1)).isEmpty();
}

/// The reminders of a table's repeating records near a day, one for each occurrence: each keeps
/// the days between its owner's first occurrence and itself. Only the owners and days of the
/// series' reminders are read for all of them; the whole rows only for those with an occurrence
/// near the day.
void readRepeating(const Database &db, const ReminderOwner &owner, QDate day, QList<JoinedReminder> &out)
{
    // A reminder may stand up to a year after its occurrence.
    QHash<qint64, Series> series;
    for (Series &one : seriesFrom(db, owner.table, day.addDays(-1).addYears(-1)))
        series.insert(one.rowid, std::move(one));
    if (series.isEmpty())
        return;
    const QString from = seriesJoin(owner.table, QStringLiteral("o"))
        + QStringLiteral(" CROSS JOIN REMINDER_INFO r ON r.rem_no = o.rem_no");
    using Days = QList<std::pair<qint64, QDate>>;
    static KeptUntilChanged<Table, Days> kept;
    const Days reminderDays = kept.get(seriesVersion(db), owner.table, [&] {
        Days read;
        QSqlQuery rows = db.run(QStringLiteral("SELECT o.rowid, r.rem_date FROM %1 WHERE o.rem_no <> 0").arg(from));
        while (rows.next())
            read.append({ rows.value(0).toLongLong(), storedDate(rows.value(1).toString()) });
        return read;
    });
    auto occurrencesNear = [&](const Series &one, QDate reminderDay) {
        const qint64 offset = one.start.daysTo(reminderDay);
        return occurrences(one.repeat, one.start, day.addDays(-1 - offset), day.addDays(-offset));
    };
    QStringList due;
    for (const auto &[rowid, reminderDay] : reminderDays) {
        const auto found = series.constFind(rowid);
        if (found != series.cend() && reminderDay.isValid() && !occurrencesNear(*found, reminderDay).isEmpty())
            due << QString::number(rowid);
    }
    if (due.isEmpty())
        return;
    const QString owners = QStringLiteral("o.rowid IN (%1)").arg(due.join(QLatin1Char(',')));
    static KeptUntilChanged<Table, QList<JoinedReminder>> keptDue;
    const QList<JoinedReminder> reminders = keptDue.get(db.changeStamp() + owners, owner.table, [&] {
        QList<JoinedReminder> read;
        readOwned(db, owner.kind, { ownedRemindersFrom(from, owner.nameColumn(), owners), {} }, read);
        return read;
    });
    for (const JoinedReminder &reminder : std::as_const(reminders)) {
        const Series &one = series[reminder.ownerRowid];
        const qint64 offset = one.start.daysTo(reminder.date);
        for (const QDate occurrence : occurrencesNear(one, reminder.date)) {
            JoinedReminder dueOne = reminder;
            dueOne.date = occurrence.addDays(offset);
            dueOne.occurrence = occurrence;
            out << dueOne;
        }
    }
}

} // namespace

std::pair<QString, QVariantList> eventsNear(QDate day)
{
    return { QStringLiteral("SELECT event_id, event_name, event_date, event_time FROM EVENT_INFO "
                            "WHERE event_date >= ? AND event_date < ? ORDER BY rowid"),
        dayAndTheDayBefore(day) };
}

QList<StoredEvent> storedEvents(const Database &db, QDate day)
{
    QList<StoredEvent> events;
    const auto [sql, params] = eventsNear(day);
    QSqlQuery q = db.run(sql, params);
    while (q.next())
        events << StoredEvent{q.value(0).toLongLong(), q.value(1).toString(), storedDate(q.value(2).toString()),
                              storedTime(q.value(3).toString())};
    return events;
}

std::pair<QString, QVariantList> ownedRemindersNear(Table owner, QDate day, bool besideSeries)
{
    const QString &name = tableInfo(owner).name;
    // A repeating record's reminders are read with its occurrences.
    const QString once = besideSeries ? QStringLiteral(" AND NOT ") + repeatsCondition(owner, QStringLiteral("o")) : QString();
    return { ownedRemindersWhere(name, tableInfo(owner).columns.at(1), QStringLiteral("r.rem_date >= ? AND r.rem_date < ?") + once),
        dayAndTheDayBefore(day) };
}

std::pair<QString, QVariantList> birthdayRemindersNear(QDate day)
{
    // Month and day of the day and the one before; 29 February falls on 28 February in common years.
    QVariantList monthDays;
    for (const QDate near : { day, day.addDays(-1) }) {
        monthDays << near.toString(QStringLiteral("MM-dd"));
        if (near.month() == 2 && near.day() == 28 && !QDate::isLeapYear(near.year()))
            monthDays << QStringLiteral("02-29");
    }
    while (monthDays.size() < 3)
        monthDays << monthDays.first();
    return { birthdayRemindersWhere(QStringLiteral("substr(r.rem_date, 6, 5) IN (?, ?, ?)")), monthDays };
}

QList<JoinedReminder> joinedReminders(const Database &db, QDate day)
{
    QList<JoinedReminder> result;
    for (const ReminderOwner &owner : Owners) {
        const bool besideSeries = owner.repeats && hasSeries(db, owner.table);
        readOwned(db, owner.kind, ownedRemindersNear(owner.table, day, besideSeries), result);
        if (besideSeries)
            readRepeating(db, owner, day, result);
    }
    readBirthdays(db, birthdayRemindersNear(day), result);
    return result;
}

std::optional<JoinedReminder> joinedReminder(const Database &db, ReminderKind kind, qint64 remNo)
{
    const QString condition = QStringLiteral("r.rem_no = ?");
    QList<JoinedReminder> found;
    if (kind == ReminderKind::Birthday)
        readBirthdays(db, { birthdayRemindersWhere(condition), { remNo } }, found);
    for (const ReminderOwner &owner : Owners)
        if (owner.kind == kind)
            readOwned(db, kind, { ownedRemindersWhere(owner.tableName(), owner.nameColumn(), condition), { remNo } }, found);
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

namespace {

/// The task or schedule rows of a day in table order: those dated that day that happen once, and
/// those that repeat with an occurrence on it.
QList<Record> rowsOn(const Database &db, Table table, QDate day)
{
    const TableInfo &info = tableInfo(table);
    // A series that ended before the day holds no row dated on it either.
    const QList<Series> series = seriesFrom(db, table, day);
    const bool besideSeries = !series.isEmpty();
    QString dated = QStringLiteral("%1 >= ? AND %1 < ?").arg(info.columns.at(3));
    if (besideSeries)
        dated += QStringLiteral(" AND NOT ") + repeatsCondition(table, info.name);
    QList<Record> rows = db.records(table, dated, { storedDateOf(day), storedDateOf(day.addDays(1)) });
    if (!besideSeries)
        return rows;
    QVariantList occurring;
    for (const Series &one : series)
        if (!occurrences(one.repeat, one.start, day, day).isEmpty())
            occurring << one.rowid;
    if (occurring.isEmpty())
        return rows;
    QStringList marks(occurring.size(), QStringLiteral("?"));
    rows += db.records(table, QStringLiteral("rowid IN (%1)").arg(marks.join(QLatin1Char(','))), occurring);
    std::sort(rows.begin(), rows.end(), [](const Record &a, const Record &b) { return a.rowid < b.rowid; });
    return rows;
}

} // namespace

QList<AgendaItem> agendaTasks(const Database &db, QDate day)
{
    QList<AgendaItem> items;
    for (const Record &row : rowsOn(db, Table::Task, day))
        items << AgendaItem { row.text(1), row.text(2), {}, row.rowid };
    return items;
}

QList<AgendaItem> agendaSchedules(const Database &db, QDate day)
{
    QList<AgendaItem> items;
    for (const Record &row : rowsOn(db, Table::Schedule, day))
        items << AgendaItem { row.text(1), row.text(2), row.text(4) + QStringLiteral("  -  ") + row.text(6), row.rowid };
    return items;
}

QString lastDescription(const Database &db, Table table, const QString &name)
{
    const TableInfo &info = tableInfo(table);
    QSqlQuery q = db.run(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ? ORDER BY rowid DESC LIMIT 1")
                             .arg(info.columns.at(2), info.name, info.columns.at(1)),
                         {name});
    return q.next() ? q.value(0).toString() : QString();
}

} // namespace store
