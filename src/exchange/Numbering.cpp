// SPDX-License-Identifier: MIT
#include "exchange/Numbering.h"

namespace exchange {

Numbering::Numbering(const store::Database &db, store::Table table)
{
    const store::TableInfo &info = store::tableInfo(table);
    QSqlQuery query = db.run(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(info.columns.first(), info.name));
    while (query.next()) {
        m_last = query.value(0).toLongLong();
        m_largest = m_empty ? m_last : std::max(m_largest, m_last);
        m_used.insert(m_last);
        m_empty = false;
    }
}

qint64 Numbering::next()
{
    qint64 number = m_empty ? 1 : m_last + 1;
    if (m_used.contains(number))
        number = m_largest + 1;
    m_used.insert(number);
    m_last = number;
    m_largest = m_empty ? number : std::max(m_largest, number);
    m_empty = false;
    return number;
}

} // namespace exchange
