// SPDX-License-Identifier: MIT
#include "store/Repeats.h"

#include "store/Database.h"
#include "store/DateTimeText.h"
#include "store/KeptUntilChanged.h"

#include <QHash>
#include <QMutex>

namespace store {
namespace {

// A series row keeps the first day its rule's text was written for: the text names that day's
// weekday or day of the month, and is read back against it.
const QString RepeatTable = QStringLiteral("RECORD_REPEAT");
const QString OccurrenceTable = QStringLiteral("RECORD_OCCURRENCE");
// One row, given a new random value by triggers at every change of the series or of the days and
// numbers of reminders: the readers of the series keep what they read while it stays, whatever
// else of the store changes (a rename, a reminder's message).
const QString VersionTable = QStringLiteral("RECORD_REPEAT_VERSION");

const QList<Table> &repeatingTables()
{
    static const QList<Table> tables { Table::Task, Table::Schedule };
    return tables;
}

QString kindOf(Table table)
{
    return tableInfo(table).name;
}

QString exceptionsText(const QList<QDate> &days)
{
    QStringList stored;
    for (QDate day : days)
        stored << storedDateOf(day);
    return stored.join(QLatin1Char(','));
}

QList<QDate> exceptionsOf(const QString &text)
{
    QList<QDate> days;
    for (const QString &stored : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (const QDate day = storedDate(stored); day.isValid())
            days << day;
    return days;
}

/// The rule of a stored text for a first day. The day readers meet the same few thousand rules at
/// each reload, and reading one through libical costs more than the rest of the reload.
std::optional<RepeatRule> storedRule(const QString &rule, QDate start)
{
    static QMutex guard;
    static QHash<std::pair<QString, qint64>, std::optional<RepeatRule>> known;
    constexpr qsizetype MostKnown = 50000;
    const std::pair key(rule, start.toJulianDay());
    const QMutexLocker locked(&guard);
    const auto found = known.constFind(key);
    if (found != known.cend())
        return *found;
    if (known.size() >= MostKnown)
        known.clear();
    return *known.insert(key, fromRRule(rule, start));
}

/// The series as stored; the rule's text is read against the record's first day when it is known.
std::optional<Repeat> repeatFrom(const QString &rule, const QString &exceptions, QDate start)
{
    const std::optional<RepeatRule> parsed = storedRule(rule, start);
    if (!parsed)
        return std::nullopt;
    return Repeat { *parsed, exceptionsOf(exceptions) };
}

} // namespace

void prepareRepeats(Database &db)
{
    if (db.run(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?"), { VersionTable })
            .next())
        return;
    Transaction transaction(db);
    db.run(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (version INTEGER NOT NULL)").arg(VersionTable));
    db.run(QStringLiteral("INSERT INTO %1 (version) VALUES (random())").arg(VersionTable));
    db.run(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (kind TEXT NOT NULL, record INTEGER NOT NULL, "
                          "rule TEXT NOT NULL, exceptions TEXT NOT NULL DEFAULT '', first_day TEXT NOT NULL, "
                          "last_day TEXT, PRIMARY KEY (kind, record))")
               .arg(RepeatTable));
    db.run(QStringLiteral("CREATE INDEX IF NOT EXISTS %1_by_end ON %1 (kind, last_day)").arg(RepeatTable));
    db.run(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (kind TEXT NOT NULL, record INTEGER NOT NULL, "
                          "series INTEGER NOT NULL, day TEXT NOT NULL, PRIMARY KEY (kind, record))")
               .arg(OccurrenceTable));
    db.run(QStringLiteral("CREATE INDEX IF NOT EXISTS %1_by_series ON %1 (kind, series)").arg(OccurrenceTable));
    for (Table table : repeatingTables())
        db.run(QStringLiteral("CREATE TRIGGER IF NOT EXISTS %1_repeat_gone AFTER DELETE ON %1 BEGIN "
                              "DELETE FROM %2 WHERE kind = '%1' AND record = OLD.rowid; "
                              "DELETE FROM %3 WHERE kind = '%1' AND (record = OLD.rowid OR series = OLD.rowid); END")
                   .arg(kindOf(table), RepeatTable, OccurrenceTable));
    const QString bump = QStringLiteral("BEGIN UPDATE %1 SET version = random(); END").arg(VersionTable);
    for (const QString &table : { RepeatTable, QStringLiteral("REMINDER_INFO") })
        for (const char *change : { "INSERT", "DELETE" })
            db.run(QStringLiteral("CREATE TRIGGER IF NOT EXISTS %1_%2_versioned AFTER %2 ON %1 %3")
                       .arg(table, QLatin1String(change), bump));
    db.run(QStringLiteral("CREATE TRIGGER IF NOT EXISTS %1_UPDATE_versioned AFTER UPDATE ON %1 %2").arg(RepeatTable, bump));
    db.run(QStringLiteral("CREATE TRIGGER IF NOT EXISTS REMINDER_INFO_UPDATE_versioned AFTER UPDATE OF rem_no, rem_date "
                          "ON REMINDER_INFO WHEN OLD.rem_no IS NOT NEW.rem_no OR OLD.rem_date IS NOT NEW.rem_date %1")
               .arg(bump));
    for (Table table : repeatingTables())
        db.run(QStringLiteral("CREATE TRIGGER IF NOT EXISTS %1_rem_no_versioned AFTER UPDATE OF rem_no ON %1 "
                              "WHEN OLD.rem_no IS NOT NEW.rem_no %2")
                   .arg(kindOf(table), bump));
    transaction.commit();
}

std::optional<Repeat> repeatOf(const Database &db, Table table, qint64 rowid)
{
    QSqlQuery row = db.run(
        QStringLiteral("SELECT rule, exceptions, first_day FROM %1 WHERE kind = ? AND record = ?").arg(RepeatTable),
        { kindOf(table), rowid });
    if (!row.next())
        return std::nullopt;
    return repeatFrom(row.value(0).toString(), row.value(1).toString(), storedDate(row.value(2).toString()));
}

void setRepeat(Database &db, Table table, qint64 rowid, QDate start, const std::optional<Repeat> &repeat)
{
    if (!repeat) {
        db.write(QStringLiteral("DELETE FROM %1 WHERE kind = ? AND record = ?").arg(RepeatTable), { kindOf(table), rowid });
        return;
    }
    const QDate last = lastOccurrence(repeat->rule, start);
    db.write(QStringLiteral("INSERT OR REPLACE INTO %1 (kind, record, rule, exceptions, first_day, last_day) "
                            "VALUES (?, ?, ?, ?, ?, ?)")
                 .arg(RepeatTable),
        { kindOf(table), rowid, toRRule(repeat->rule, start), exceptionsText(repeat->exceptions), storedDateOf(start),
            last.isValid() ? QVariant(storedDateOf(last)) : QVariant() });
}

void addException(Database &db, Table table, qint64 rowid, QDate day)
{
    QSqlQuery row = db.run(
        QStringLiteral("SELECT exceptions FROM %1 WHERE kind = ? AND record = ?").arg(RepeatTable), { kindOf(table), rowid });
    if (!row.next())
        return;
    QList<QDate> days = exceptionsOf(row.value(0).toString());
    if (days.contains(day))
        return;
    days << day;
    std::sort(days.begin(), days.end());
    db.write(QStringLiteral("UPDATE %1 SET exceptions = ? WHERE kind = ? AND record = ?").arg(RepeatTable),
        { exceptionsText(days), kindOf(table), rowid });
}

void linkOccurrence(Database &db, Table table, qint64 rowid, const OccurrenceLink &link)
{
    db.write(QStringLiteral("INSERT OR REPLACE INTO %1 (kind, record, series, day) VALUES (?, ?, ?, ?)").arg(OccurrenceTable),
        { kindOf(table), rowid, link.series, storedDateOf(link.day) });
}

std::optional<OccurrenceLink> occurrenceLinkOf(const Database &db, Table table, qint64 rowid)
{
    QSqlQuery row = db.run(
        QStringLiteral("SELECT series, day FROM %1 WHERE kind = ? AND record = ?").arg(OccurrenceTable),
        { kindOf(table), rowid });
    if (!row.next())
        return std::nullopt;
    return OccurrenceLink { row.value(0).toLongLong(), storedDate(row.value(1).toString()) };
}

QList<qint64> occurrencesOf(const Database &db, Table table, qint64 series)
{
    QSqlQuery rows = db.run(
        QStringLiteral("SELECT record FROM %1 WHERE kind = ? AND series = ?").arg(OccurrenceTable), { kindOf(table), series });
    QList<qint64> found;
    while (rows.next())
        found << rows.value(0).toLongLong();
    return found;
}

QString seriesVersion(const Database &db)
{
    QSqlQuery version = db.run(QStringLiteral("SELECT version FROM %1").arg(VersionTable));
    return version.next() ? version.value(0).toString() : db.changeStamp();
}

QList<Series> seriesFrom(const Database &db, Table table, QDate from)
{
    // Every series of the table with its last day.
    using Stored = QList<std::pair<Series, QDate>>;
    static KeptUntilChanged<Table, Stored> kept;
    const Stored stored = kept.get(seriesVersion(db), table, [&] {
        Stored read;
        QSqlQuery rows = db.run(
            QStringLiteral("SELECT record, rule, exceptions, first_day, last_day FROM %1 WHERE kind = ?").arg(RepeatTable),
            { kindOf(table) });
        while (rows.next()) {
            const QDate start = storedDate(rows.value(3).toString());
            if (auto repeat = repeatFrom(rows.value(1).toString(), rows.value(2).toString(), start))
                read.append({ Series { rows.value(0).toLongLong(), *repeat, start }, storedDate(rows.value(4).toString()) });
        }
        return read;
    });
    QList<Series> found;
    for (const auto &[series, lastDay] : stored)
        if (!lastDay.isValid() || lastDay >= from)
            found << series;
    return found;
}

QString repeatsCondition(Table table, const QString &alias)
{
    return QStringLiteral("EXISTS (SELECT 1 FROM %1 WHERE kind = '%2' AND record = %3.rowid)")
        .arg(RepeatTable, kindOf(table), alias);
}

QString seriesJoin(Table table, const QString &alias)
{
    return QStringLiteral("%1 CROSS JOIN %2 %3 ON %3.rowid = %1.record AND %1.kind = '%2'")
        .arg(RepeatTable, kindOf(table), alias);
}

} // namespace store
