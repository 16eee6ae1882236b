// SPDX-License-Identifier: MIT
#pragma once

#include "store/Database.h"

#include <QHash>
#include <QMutex>

namespace store {

/// What a reader keeps of the store, by key, until the store changes (Database::changeStamp):
/// the agenda and the reminder scan read the same rows at every reload. Safe across threads.
template <typename Key, typename Value>
class KeptUntilChanged
{
public:
    /// The value kept for the key, or the one `read()` gives when the store changed since.
    template <typename Read>
    Value get(const Database &db, const Key &key, Read read)
    {
        return get(db.changeStamp(), key, read);
    }
    /// The same, for a reader whose rows change with a stamp of their own.
    template <typename Read>
    Value get(const QString &stamp, const Key &key, Read read)
    {
        const QMutexLocker locked(&m_guard);
        Entry &entry = m_kept[key];
        if (entry.stamp != stamp)
            entry = { stamp, read() };
        return entry.value;
    }

private:
    struct Entry
    {
        QString stamp;
        Value value;
    };
    QMutex m_guard;
    QHash<Key, Entry> m_kept;
};

} // namespace store
