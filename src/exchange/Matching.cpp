// SPDX-License-Identifier: MIT
#include "exchange/Matching.h"

namespace exchange {

void ImportOptions::checkpoint(int seen) const
{
    if (deadline.hasExpired())
        throw TooSlow {};
    if (progress && seen % 256 == 0 && !progress(seen, 0))
        throw Cancelled {};
}

Matcher::Matcher(store::Database &db)
    : m_db(db), m_known(store::rowsByUid(db))
{
}

Matcher::Match Matcher::find(store::Table table, const QString &uid, const QString &changed, bool replace) const
{
    const auto known = m_known.constFind(uid);
    if (uid.isEmpty() || known == m_known.cend())
        return { Fate::Add, 0 };
    if (known->table != table)
        return { Fate::OtherKind, known->rowid };
    // Both times are UTC in one fixed form, so they compare as text.
    const bool later = replace || (!changed.isEmpty() && changed > known->changed);
    return { later ? Fate::Update : Fate::Unchanged, known->rowid };
}

void Matcher::stored(
    store::Table table, qint64 rowid, const QString &uid, const QString &changed, Fate fate, Report &report)
{
    if (fate == Fate::Add)
        store::giveIdentity(m_db, table, rowid, uid.isEmpty() ? store::newUid() : uid, changed);
    else if (!uid.isEmpty())
        store::adoptIdentity(m_db, table, rowid, uid, changed);
    if (!uid.isEmpty())
        m_known.insert(uid, { table, rowid, changed });
    ++(fate == Fate::Update ? report.updated : report.added);
}

qint64 Matcher::rowOf(store::Table table, const QString &uid) const
{
    const auto known = m_known.constFind(uid);
    return known != m_known.cend() && known->table == table ? known->rowid : 0;
}

QHash<qint64, QMap<QDate, Matcher::Occurrence>> &Matcher::occurrences(store::Table table)
{
    auto found = m_occurrences.find(table);
    if (found != m_occurrences.end())
        return *found;
    found = m_occurrences.insert(table, {});
    const QHash<qint64, store::Identity> identities = store::identities(m_db, table);
    // Only a table that holds series can hold occurrences of them.
    if (store::seriesFrom(m_db, table, QDate(1900, 1, 1)).isEmpty())
        return *found;
    for (auto identity = identities.cbegin(); identity != identities.cend(); ++identity)
        if (const auto link = store::occurrenceLinkOf(m_db, table, identity.key()))
            (*found)[link->series].insert(link->day, { identity.key(), identity->uid, identity->changed });
    return *found;
}

Matcher::Match Matcher::findOccurrence(
    store::Table table, const store::OccurrenceLink &link, const QString &changed, bool replace)
{
    const auto known = occurrences(table).value(link.series).value(link.day);
    if (known.rowid == 0)
        return { Fate::Add, 0 };
    const bool later = replace || (!changed.isEmpty() && changed > known.changed);
    return { later ? Fate::Update : Fate::Unchanged, known.rowid };
}

void Matcher::storedOccurrence(store::Table table, qint64 rowid, const store::OccurrenceLink &link,
    const QString &changed, Fate fate, Report &report)
{
    Occurrence &known = occurrences(table)[link.series][link.day];
    // The occurrence keeps a UID of its own, which the file does not carry.
    if (known.uid.isEmpty())
        known.uid = store::newUid();
    known.rowid = rowid;
    known.changed = changed;
    store::adoptIdentity(m_db, table, rowid, known.uid, changed);
    ++(fate == Fate::Update ? report.updated : report.added);
}

QList<QDate> Matcher::occurrenceDays(store::Table table, qint64 series)
{
    return occurrences(table).value(series).keys();
}

Numbering &Matcher::numbers(store::Table table)
{
    return m_numbers.try_emplace(table, m_db, table).first->second;
}

void Matcher::forget(store::Table table, qint64 rowid, const QString &uid)
{
    m_known.remove(uid);
    if (const auto found = m_occurrences.find(table); found != m_occurrences.end())
        found->remove(rowid);
}

void Matcher::forgetOccurrence(store::Table table, const store::OccurrenceLink &link)
{
    if (const auto found = m_occurrences.find(table); found != m_occurrences.end())
        if (const auto series = found->find(link.series); series != found->end())
            series->remove(link.day);
}

} // namespace exchange
