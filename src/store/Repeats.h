// SPDX-License-Identifier: MIT
// The series of the tasks and schedules that repeat, kept in a table of their own beside the
// records: one row per repeating record, its rule as RRULE text, the days left out, and the day
// of the last occurrence (none for a series without end), which lets a day's readers pass over
// the series that ended. A row goes with its record.
#pragma once

#include "store/RepeatRule.h"
#include "store/Schema.h"

namespace store {

class Database;

/// Creates the table and the triggers that drop a series with its record, when missing.
void prepareRepeats(Database &db);

/// The series of a task or schedule; none when it happens once.
std::optional<Repeat> repeatOf(const Database &db, Table table, qint64 rowid);
/// Makes the record repeat (its first occurrence on `start`), or happen once when `repeat` is none.
void setRepeat(Database &db, Table table, qint64 rowid, QDate start, const std::optional<Repeat> &repeat);
/// Leaves one day out of a record's series.
void addException(Database &db, Table table, qint64 rowid, QDate day);

/// A record that stands for one occurrence of a series, changed on its own (the series leaves
/// that day out). The link goes with either record.
struct OccurrenceLink
{
    qint64 series = 0; ///< the rowid of the series' record, in the same table
    QDate day;         ///< the occurrence it replaces
};
void linkOccurrence(Database &db, Table table, qint64 rowid, const OccurrenceLink &link);
std::optional<OccurrenceLink> occurrenceLinkOf(const Database &db, Table table, qint64 rowid);
/// The rowids of the records that stand for changed occurrences of a series.
QList<qint64> occurrencesOf(const Database &db, Table table, qint64 series);

/// A repeating record as the day readers see it.
struct Series
{
    qint64 rowid = 0;
    Repeat repeat;
    QDate start; ///< the first occurrence
};
/// Differs after any change of a series, or of the number or day of a reminder or of the reminder
/// a repeating record names: what is read of the series alone is kept while it stays.
QString seriesVersion(const Database &db);

/// The series of a table that may have occurrences from `from` on: those that have not ended
/// before it. Their first occurrence is the record's own date.
QList<Series> seriesFrom(const Database &db, Table table, QDate from);

/// An SQL condition that holds for the rows of the table, named `alias` in the statement, that
/// repeat; each row is looked up by itself.
QString repeatsCondition(Table table, const QString &alias);
/// The FROM part that reads the table's repeating rows, named `alias`, from the series on.
QString seriesJoin(Table table, const QString &alias);

} // namespace store
