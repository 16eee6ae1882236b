// SPDX-License-Identifier: MIT
#pragma once

#include "store/Database.h"

#include <QSet>

namespace exchange {

/// Hands out the numbers of rows appended to one table in a row, by the store's rule
/// (Database::nextNumber) but without asking the table again for each row.
class Numbering
{
public:
    Numbering(const store::Database &db, store::Table table);
    qint64 next();

private:
    QSet<qint64> m_used;
    qint64 m_last = 0;
    qint64 m_largest = 0;
    bool m_empty = true;
};

} // namespace exchange
