// SPDX-License-Identifier: MIT
// An import meets the records already stored by their UIDs: a known record is updated when the
// file's copy changed later, and left alone when not; an unknown one is added under its UID.
#pragma once

#include "exchange/Numbering.h"
#include "exchange/Report.h"
#include "store/Identity.h"
#include "store/Repeats.h"

#include <QDeadlineTimer>
#include <QMap>
#include <chrono>
#include <functional>
#include <map>

namespace exchange {

/// What the user allowed an import, and how it reports its progress.
struct ImportOptions
{
    bool withPrograms = false; ///< keep the programs the file's reminders name
    /// A known record takes the file's copy whatever its time of change, and a series keeps only
    /// the changed occurrences the file gives it.
    bool replaceKnown = false;
    /// Called now and then with the records read so far and the total; false cancels the import.
    std::function<bool(int read, int total)> progress;
    /// How long a file may take to read: a fixed part and a part for each megabyte. A file that
    /// takes longer is refused whole, whatever makes it slow.
    std::chrono::milliseconds fixedTime { 3000 };
    std::chrono::milliseconds timePerMegabyte { 2000 };
    QDeadlineTimer deadline; ///< set for each file by the import

    /// Called between records: throws Cancelled when the progress asks to stop, TooSlow when the
    /// file's time is up.
    void checkpoint(int seen) const;
};

/// Thrown out of an import whose progress asked it to stop.
struct Cancelled
{
};
/// Thrown out of an import that ran past the time its file's size allows.
struct TooSlow
{
};

class Matcher
{
public:
    explicit Matcher(store::Database &db);

    enum class Fate { Add, Update, Unchanged, OtherKind };
    struct Match
    {
        Fate fate = Fate::Add;
        qint64 rowid = 0;
    };
    /// What to do with a record of a table that the file names by UID and its time of change;
    /// `replace` updates a known record of the table whatever the time.
    Match find(store::Table table, const QString &uid, const QString &changed, bool replace = false) const;
    /// Notes a row added or updated for the file's record, under the file's UID and time of change.
    void stored(store::Table table, qint64 rowid, const QString &uid, const QString &changed, Fate fate, Report &report);
    /// The row of a record of the table by UID; 0 when none.
    qint64 rowOf(store::Table table, const QString &uid) const;
    /// When the record of a UID last changed; empty when none is known.
    QString changedOf(const QString &uid) const { return m_known.value(uid).changed; }

    /// What to do with a changed occurrence of a series (it goes by its series' UID), named by the
    /// series' row, the occurrence it stands for and its time of change.
    Match findOccurrence(
        store::Table table, const store::OccurrenceLink &link, const QString &changed, bool replace = false);
    /// Notes a row added or updated for a changed occurrence, with the file's time of change.
    void storedOccurrence(store::Table table, qint64 rowid, const store::OccurrenceLink &link, const QString &changed,
        Fate fate, Report &report);
    /// The days of a series that records of their own stand for.
    QList<QDate> occurrenceDays(store::Table table, qint64 series);
    /// The numbers of a table's new rows, for as long as the matcher lives.
    Numbering &numbers(store::Table table);

    /// Forgets a record deleted since, with the changed occurrences of its series.
    void forget(store::Table table, qint64 rowid, const QString &uid);
    /// Forgets a changed occurrence deleted since.
    void forgetOccurrence(store::Table table, const store::OccurrenceLink &link);

private:
    struct Occurrence
    {
        qint64 rowid = 0;
        QString uid;
        QString changed;
    };
    /// The changed occurrences of a table by series and day; read when first asked for.
    QHash<qint64, QMap<QDate, Occurrence>> &occurrences(store::Table table);

    store::Database &m_db;
    QHash<QString, store::IdentifiedRow> m_known;
    QMap<store::Table, QHash<qint64, QMap<QDate, Occurrence>>> m_occurrences;
    std::map<store::Table, Numbering> m_numbers;
};

} // namespace exchange
