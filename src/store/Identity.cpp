// SPDX-License-Identifier: MIT
#include "store/Identity.h"

#include "store/Database.h"

#include <QUuid>

namespace store {

const QList<Table> &identifiedTables()
{
    static const QList<Table> tables { Table::Task, Table::Schedule, Table::Note, Table::Contact, Table::Event };
    return tables;
}

namespace {

const QString IdentityTable = QStringLiteral("RECORD_IDENTITY");
// A row here holds the triggers back from giving new rows their identities.
const QString HeldTable = QStringLiteral("RECORD_IDENTITY_HELD");

// A version 4 UUID and the time now, made by SQLite for each row.
const QString NewUidSql = QStringLiteral(
    "lower(hex(randomblob(4)) || '-' || hex(randomblob(2)) || '-4' || substr(hex(randomblob(2)), 2) || '-' "
    "|| substr('89ab', 1 + (abs(random()) % 4), 1) || substr(hex(randomblob(2)), 2) || '-' || hex(randomblob(6)))");
const QString NowSql = QStringLiteral("strftime('%Y%m%dT%H%M%SZ', 'now')");

QString kindOf(Table table)
{
    return tableInfo(table).name;
}

std::optional<Table> tableOf(const QString &kind)
{
    for (Table table : identifiedTables())
        if (kindOf(table) == kind)
            return table;
    return std::nullopt;
}

QStringList triggerStatements(Table table)
{
    const QString name = tableInfo(table).name;
    return {
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS %1_identity_made AFTER INSERT ON %1 "
                       "WHEN NOT EXISTS (SELECT 1 FROM %5) BEGIN "
                       "INSERT OR REPLACE INTO %2 (kind, record, uid, changed) VALUES ('%1', NEW.rowid, %3, %4); END")
            .arg(name, IdentityTable, NewUidSql, NowSql, HeldTable),
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS %1_identity_changed AFTER UPDATE ON %1 BEGIN "
                       "UPDATE %2 SET changed = %3 WHERE kind = '%1' AND record = NEW.rowid; END")
            .arg(name, IdentityTable, NowSql),
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS %1_identity_gone AFTER DELETE ON %1 BEGIN "
                       "DELETE FROM %2 WHERE kind = '%1' AND record = OLD.rowid; END")
            .arg(name, IdentityTable),
    };
}


bool hasTable(const Database &db, const QString &name)
{
    return db.run(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?"), { name }).next();
}

/// Gives an identity to each row of the identified tables that has none.
void identifyTheRest(Database &db)
{
    for (Table table : identifiedTables())
        db.run(QStringLiteral("INSERT INTO %1 (kind, record, uid, changed) SELECT '%2', rowid, %3, %4 FROM %2 "
                              "WHERE rowid NOT IN (SELECT record FROM %1 WHERE kind = '%2')")
                   .arg(IdentityTable, tableInfo(table).name, NewUidSql, NowSql));
}

} // namespace

void prepareIdentities(Database &db)
{
    const bool identified = hasTable(db, IdentityTable), holdable = hasTable(db, HeldTable);
    if (identified && holdable)
        return;
    Transaction transaction(db);
    db.run(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (kind TEXT NOT NULL, record INTEGER NOT NULL, "
                          "uid TEXT NOT NULL UNIQUE, changed TEXT NOT NULL, PRIMARY KEY (kind, record))")
               .arg(IdentityTable));
    db.run(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (held INTEGER)").arg(HeldTable));
    identifyTheRest(db);
    for (Table table : identifiedTables()) {
        // Triggers made before the hold was known are made again.
        db.run(QStringLiteral("DROP TRIGGER IF EXISTS %1_identity_made").arg(tableInfo(table).name));
        for (const QString &statement : triggerStatements(table))
            db.run(statement);
    }
    transaction.commit();
}

IdentitiesGiven::IdentitiesGiven(Database &db)
    : m_db(db)
{
    m_db.run(QStringLiteral("INSERT INTO %1 (held) VALUES (1)").arg(HeldTable));
}

IdentitiesGiven::~IdentitiesGiven()
{
    if (m_released)
        return;
    try {
        m_db.run(QStringLiteral("DELETE FROM %1").arg(HeldTable));
    } catch (const Error &) {
        // Rolled back with the writer's transaction.
    }
}

void IdentitiesGiven::release()
{
    m_db.run(QStringLiteral("DELETE FROM %1").arg(HeldTable));
    m_released = true;
    identifyTheRest(m_db);
}

void giveIdentity(Database &db, Table table, qint64 rowid, const QString &uid, const QString &changed)
{
    db.write(QStringLiteral("INSERT OR REPLACE INTO %1 (kind, record, uid, changed) VALUES (?, ?, ?, IFNULL(?, %2))")
                 .arg(IdentityTable, NowSql),
        { kindOf(table), rowid, uid, changed.isEmpty() ? QVariant() : QVariant(changed) });
}

QHash<qint64, Identity> identities(const Database &db, Table table)
{
    QHash<qint64, Identity> found;
    QSqlQuery rows = db.run(
        QStringLiteral("SELECT record, uid, changed FROM %1 WHERE kind = ?").arg(IdentityTable), { kindOf(table) });
    while (rows.next())
        found.insert(rows.value(0).toLongLong(), { rows.value(1).toString(), rows.value(2).toString() });
    return found;
}

QHash<QString, IdentifiedRow> rowsByUid(const Database &db)
{
    QHash<QString, IdentifiedRow> found;
    QSqlQuery rows = db.run(QStringLiteral("SELECT kind, record, uid, changed FROM %1").arg(IdentityTable));
    while (rows.next())
        if (const auto table = tableOf(rows.value(0).toString()))
            found.insert(rows.value(2).toString(), { *table, rows.value(1).toLongLong(), rows.value(3).toString() });
    return found;
}

std::optional<IdentifiedRow> rowOfUid(const Database &db, const QString &uid)
{
    QSqlQuery row = db.run(QStringLiteral("SELECT kind, record, changed FROM %1 WHERE uid = ?").arg(IdentityTable), { uid });
    if (!row.next())
        return std::nullopt;
    const auto table = tableOf(row.value(0).toString());
    if (!table)
        return std::nullopt;
    return IdentifiedRow { *table, row.value(1).toLongLong(), row.value(2).toString() };
}

void adoptIdentity(Database &db, Table table, qint64 rowid, const QString &uid, const QString &changed)
{
    db.write(QStringLiteral("UPDATE %1 SET uid = ?, changed = IFNULL(?, changed) WHERE kind = ? AND record = ?")
                 .arg(IdentityTable),
        { uid, changed.isEmpty() ? QVariant() : QVariant(changed), kindOf(table), rowid });
}

QString newUid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

} // namespace store
