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

Matcher::Match Matcher::find(store::Table table, const QString &uid, const QString &changed) const
{
    const auto known = m_known.constFind(uid);
    if (uid.isEmpty() || known == m_known.cend())
        return { Fate::Add, 0 };
    if (known->table != table)
        return { Fate::OtherKind, known->rowid };
    // Both times are UTC in one fixed form, so they compare as text.
    return { !changed.isEmpty() && changed > known->changed ? Fate::Update : Fate::Unchanged, known->rowid };
}

void Matcher::stored(
    store::Table table, qint64 rowid, const QString &uid, const QString &changed, Fate fate, Report &report)
{
    if (!uid.isEmpty()) {
        store::adoptIdentity(m_db, table, rowid, uid, changed);
        m_known.insert(uid, { table, rowid, changed });
    }
    ++(fate == Fate::Update ? report.updated : report.added);
}

qint64 Matcher::rowOf(store::Table table, const QString &uid) const
{
    const auto known = m_known.constFind(uid);
    return known != m_known.cend() && known->table == table ? known->rowid : 0;
}

} // namespace exchange
