// SPDX-License-Identifier: MIT
#include "store/Database.h"

#include "store/DateTimeText.h"
#include "store/Identity.h"
#include "store/Repeats.h"
#include "store/WriteStatement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>
#include <atomic>

namespace store {
namespace {

constexpr auto PrivateFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QString nextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("orrisday-store-%1").arg(++counter);
}

void createPrivateFile(const QString &file)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly))
        throw Error(OtherError, QStringLiteral("cannot create %1: %2").arg(file, f.errorString()));
    f.setPermissions(PrivateFile);
}

/// The store error of a failed SQLite call, by SQLite's result code.
Error sqlError(const QSqlError &error, const QString &context)
{
    return sqliteError(error.nativeErrorCode().toInt(), error.text() + QStringLiteral(" in ") + context);
}

} // namespace

QString Record::text(int column) const
{
    const QVariant &v = values.value(column);
    if (v.isNull())
        return {};
    if (table && table->isDateTime(column))
        return storedToText(v.toString());
    return v.toString();
}

qint64 Record::number(int column) const
{
    return values.value(column).toLongLong();
}

Database::Database(const QString &file)
    : m_file(file), m_connection(nextConnectionName())
{
    if (!QFileInfo::exists(file))
        createPrivateFile(file);
    auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(file);
    // A database locked by another program is reported rather than waited for.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=700"));
    if (!db.open()) {
        const QString why = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connection);
        throw Error(FileInUse, why);
    }
    // The journals of single statements inside a transaction stay in memory: an import would
    // otherwise write each one out to a temporary file.
    run(QStringLiteral("PRAGMA temp_store = MEMORY"));
    for (const TableInfo &table : allTables())
        run(QString(table.createStatement).replace(QStringLiteral("CREATE TABLE"),
                                                   QStringLiteral("CREATE TABLE IF NOT EXISTS")));
    for (const QString &table : ownTableStatements())
        run(table);
    // Indexes only speed lookups up: a store that cannot be written works without them.
    for (const QString &index : indexStatements()) {
        try {
            run(index);
        } catch (const Error &) {
        }
    }
    // Likewise the identities and the series: a store that cannot be written is read without them.
    try {
        prepareIdentities(*this);
        prepareRepeats(*this);
    } catch (const Error &) {
    }
}

QString Database::changeStamp() const
{
    QSqlQuery stamp = run(QStringLiteral("SELECT total_changes(), data_version FROM pragma_data_version"));
    stamp.next();
    return QStringLiteral("%1/%2/%3").arg(m_connection, stamp.value(0).toString(), stamp.value(1).toString());
}

Database::~Database()
{
    close();
}

void Database::close()
{
    if (m_closed)
        return;
    m_closed = true;
    m_writes.clear();
    {
        auto db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

void Database::ensureOpen() const
{
    if (m_closed)
        throw Error(ObjectInvalid, QStringLiteral("the database has been closed"));
}

QSqlQuery Database::prepare(const QString &sql) const
{
    ensureOpen();
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    // Rows are read once, in order: Qt then keeps no copy of those read.
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw sqlError(query.lastError(), sql);
    return query;
}

void Database::execute(QSqlQuery &query, const QVariantList &params)
{
    for (int i = 0; i < params.size(); ++i)
        query.bindValue(i, params.at(i));
    if (!query.exec())
        throw sqlError(query.lastError(), query.lastQuery());
}

QSqlQuery Database::run(const QString &sql, const QVariantList &params) const
{
    QSqlQuery query = prepare(sql);
    execute(query, params);
    return query;
}

WriteStatement::Written Database::write(const QString &sql, const QVariantList &params)
{
    ensureOpen();
    auto prepared = m_writes.find(sql);
    if (prepared == m_writes.end()) {
        const QVariant handle = QSqlDatabase::database(m_connection, false).driver()->handle();
        auto *sqlite = *static_cast<sqlite3 *const *>(handle.constData());
        prepared = m_writes.emplace(sql, std::make_unique<WriteStatement>(sqlite, sql)).first;
    }
    return prepared->second->run(params);
}

QList<Record> Database::records(Table table, const QString &where, const QVariantList &params) const
{
    const TableInfo &info = tableInfo(table);
    QString sql = QStringLiteral("SELECT rowid, * FROM %1").arg(info.name);
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    sql += QStringLiteral(" ORDER BY rowid");
    QSqlQuery query = run(sql, params);
    QList<Record> result;
    const int columns = int(info.columns.size());
    while (query.next()) {
        Record record{query.value(0).toLongLong(), {}, &info};
        record.values.reserve(columns);
        for (int i = 0; i < columns; ++i)
            record.values << query.value(i + 1);
        result << std::move(record);
    }
    return result;
}

QVariant Database::toStoredValue(const TableInfo &info, int column, const QVariant &value) const
{
    const auto kind = info.dateTimeColumns.constFind(column);
    if (kind == info.dateTimeColumns.cend() || value.isNull())
        return value;
    auto stored = toStored(value.toString(), *kind);
    if (!stored)
        throw Error(ConversionFailed,
                    QStringLiteral("'%1' does not fit the column %2").arg(value.toString(), info.columns[column]));
    return *stored;
}

qint64 Database::insert(Table table, const Values &values)
{
    const TableInfo &info = tableInfo(table);
    QVariantList params;
    params.reserve(values.size());
    quint64 columns = 0;
    for (auto it = values.begin(); it != values.end(); ++it) {
        columns |= quint64(1) << it.key();
        params << toStoredValue(info, it.key(), it.value());
    }
    // Rows of the same columns share their statement's text; an import writes many.
    QString &sql = m_insertTexts[{int(table), columns}];
    if (sql.isEmpty()) {
        QStringList names;
        for (auto it = values.begin(); it != values.end(); ++it)
            names << info.columns.at(it.key());
        sql = names.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(info.name)
                              : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                    .arg(info.name, names.join(QLatin1Char(',')),
                                        QStringList(names.size(), QStringLiteral("?")).join(QLatin1Char(',')));
    }
    return write(sql, params).rowid;
}

void Database::update(Table table, qint64 rowid, const Values &values)
{
    const TableInfo &info = tableInfo(table);
    QStringList assignments;
    QVariantList params;
    for (auto it = values.begin(); it != values.end(); ++it) {
        assignments << info.columns.at(it.key()) + QStringLiteral(" = ?");
        params << toStoredValue(info, it.key(), it.value());
    }
    params << rowid;
    const QString set = assignments.isEmpty() ? QStringLiteral("rowid = rowid") : assignments.join(QLatin1Char(','));
    if (write(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(info.name, set), params).changed == 0)
        throw Error(RecordDeleted, QStringLiteral("the row has been deleted"));
}

void Database::remove(Table table, qint64 rowid)
{
    const QString sql = QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(tableInfo(table).name);
    if (write(sql, {rowid}).changed == 0)
        throw Error(RecordDeleted, QStringLiteral("the row has been deleted"));
}

qint64 Database::nextNumber(Table table) const
{
    const TableInfo &info = tableInfo(table);
    const QString &key = info.columns.first();
    QSqlQuery last = run(QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid DESC LIMIT 1").arg(key, info.name));
    if (!last.next())
        return 1;
    const qint64 candidate = last.value(0).toLongLong() + 1;
    QSqlQuery used = run(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ? LIMIT 1").arg(info.name, key), {candidate});
    if (!used.next())
        return candidate;
    QSqlQuery largest = run(QStringLiteral("SELECT MAX(%1) FROM %2").arg(key, info.name));
    largest.next();
    return largest.value(0).toLongLong() + 1;
}

void Database::copyInto(const QString &file) const
{
    run(QStringLiteral("VACUUM INTO ?"), {file});
}

void Database::begin()
{
    ensureOpen();
    auto db = QSqlDatabase::database(m_connection, false);
    if (!db.transaction())
        throw sqlError(db.lastError(), QStringLiteral("BEGIN"));
}

void Database::commit()
{
    ensureOpen();
    auto db = QSqlDatabase::database(m_connection, false);
    if (!db.commit())
        throw sqlError(db.lastError(), QStringLiteral("COMMIT"));
}

void Database::rollback()
{
    if (!m_closed)
        QSqlDatabase::database(m_connection, false).rollback();
}

Transaction::~Transaction()
{
    if (!m_done)
        m_db.rollback();
}

void Transaction::commit()
{
    m_db.commit();
    m_done = true;
}

} // namespace store
