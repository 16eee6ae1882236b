// SPDX-License-Identifier: MIT
// A statement that writes rows, prepared once on the connection's SQLite handle and run for each
// row: an import writes tens of thousands of rows of a few shapes, and Qt's binding of each value
// costs more than SQLite's write of it.
#pragma once

#include "store/StoreError.h"

#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

namespace store {

/// The store error of a failed SQLite call, by SQLite's result code.
Error sqliteError(int code, const QString &detail);

class WriteStatement
{
public:
    /// Throws Error when SQLite refuses the statement.
    WriteStatement(sqlite3 *db, const QString &sql);
    ~WriteStatement();
    Q_DISABLE_COPY_MOVE(WriteStatement)

    struct Written
    {
        qint64 rowid = 0; ///< of the last row inserted through the connection
        int changed = 0;  ///< rows the statement changed
    };
    /// Runs the statement with the parameters bound by position. Throws Error.
    Written run(const QVariantList &params);

private:
    [[noreturn]] void fail(int code);
    sqlite3 *m_db;
    sqlite3_stmt *m_statement = nullptr;
    QString m_sql;
};

} // namespace store
