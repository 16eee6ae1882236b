// SPDX-License-Identifier: MIT
// The record store: one SQLite file with the program's seven tables and the tables of its own facts.
#pragma once

#include "store/Schema.h"
#include "store/StoreError.h"
#include "store/WriteStatement.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <memory>
#include <unordered_map>

namespace store {

/// One row of a table: its rowid and its values in column order.
struct Record
{
    qint64 rowid = 0;
    QVariantList values;
    const TableInfo *table = nullptr;

    /// The column as text; dates and times in their fixed text form.
    QString text(int column) const;
    /// The column as a whole number (0 when empty).
    qint64 number(int column) const;
};

/// Values to write, by column position. Date and time columns take the program's texts.
using Values = QMap<int, QVariant>;

class Database
{
public:
    /// Opens the file, creating it with the empty schema when it is missing. Throws Error.
    explicit Database(const QString &file);
    ~Database();
    Q_DISABLE_COPY_MOVE(Database)

    const QString &file() const { return m_file; }
    bool isOpen() const { return !m_closed; }
    /// Closes the file; every later use fails with ObjectInvalid.
    void close();

    /// The rows of a table in table order, optionally filtered by an SQL condition.
    QList<Record> records(Table table, const QString &where = {}, const QVariantList &params = {}) const;
    /// Adds a row; columns not given keep their default. Returns its rowid.
    qint64 insert(Table table, const Values &values);
    /// Changes a row; fails with RecordDeleted when it is gone.
    void update(Table table, qint64 rowid, const Values &values);
    /// Deletes a row; fails with RecordDeleted when it is gone.
    void remove(Table table, qint64 rowid);
    /// The number for a new row: the last row's number (column 0) plus one, or, when that is
    /// still in use, the largest number plus one. An empty table gives 1.
    qint64 nextNumber(Table table) const;

    /// Runs a statement with bound parameters. Throws Error.
    QSqlQuery run(const QString &sql, const QVariantList &params = {}) const;
    /// Runs a statement that writes rows and returns none, kept prepared for the next time.
    WriteStatement::Written write(const QString &sql, const QVariantList &params);

    /// Writes a consistent copy of the whole database into `file`, which must not exist or be
    /// empty (SQLite's VACUUM INTO). Throws Error; Locked while another program holds the file.
    void copyInto(const QString &file) const;

    void begin();
    void commit();
    void rollback();

    /// Differs after any row of the file changed, through this connection or another (and between
    /// connections): what is read again only after a change can be kept while it stays the same.
    QString changeStamp() const;

private:
    void ensureOpen() const;
    QVariant toStoredValue(const TableInfo &info, int column, const QVariant &value) const;
    QSqlQuery prepare(const QString &sql) const;
    /// Binds the parameters by position and runs the prepared statement. Throws Error.
    static void execute(QSqlQuery &query, const QVariantList &params);
    QString m_file;
    QString m_connection;
    bool m_closed = false;
    // An import or a save writes many rows of the same shape; preparing the statement again for
    // each row would cost more than the write itself.
    std::unordered_map<QString, std::unique_ptr<WriteStatement>> m_writes;
    QHash<std::pair<int, quint64>, QString> m_insertTexts; ///< by table and columns written
};

/// Keeps a group of writes all or nothing: rolled back unless committed.
class Transaction
{
public:
    explicit Transaction(Database &db) : m_db(db) { m_db.begin(); }
    ~Transaction();
    Q_DISABLE_COPY_MOVE(Transaction)
    void commit();

private:
    Database &m_db;
    bool m_done = false;
};

} // namespace store
