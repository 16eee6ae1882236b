// SPDX-License-Identifier: MIT
// Every task, schedule, note, contact and computer event has an identity beyond its number: a
// random UUID given when the row is made, and the time of its last change, kept in a table of
// their own that the store's triggers keep up to date.
#pragma once

#include "store/Schema.h"

#include <QHash>
#include <optional>

namespace store {

class Database;

/// The tables whose rows have identities.
const QList<Table> &identifiedTables();

/// Creates the identity table and its triggers when missing; rows made before get an identity.
void prepareIdentities(Database &db);

struct Identity
{
    QString uid;
    QString changed; ///< UTC, as iCalendar writes it: 20261209T174000Z
};

/// The identities of a table's rows by rowid.
QHash<qint64, Identity> identities(const Database &db, Table table);

/// A record found by its UID.
struct IdentifiedRow
{
    Table table = Table::Task;
    qint64 rowid = 0;
    QString changed;
};
/// Every identified record by its UID.
QHash<QString, IdentifiedRow> rowsByUid(const Database &db);
/// The record of a UID; none when no record has it.
std::optional<IdentifiedRow> rowOfUid(const Database &db, const QString &uid);

/// While it lives, the rows made get no identity from the store: the writer gives each its own
/// with giveIdentity (an import gives the file's), and release() gives one to every row still
/// without. Lives inside the writer's transaction.
class IdentitiesGiven
{
public:
    explicit IdentitiesGiven(Database &db);
    ~IdentitiesGiven();
    Q_DISABLE_COPY_MOVE(IdentitiesGiven)
    void release();

private:
    Database &m_db;
    bool m_released = false;
};
/// Gives a new row its identity; its time of change is now unless given.
void giveIdentity(Database &db, Table table, qint64 rowid, const QString &uid, const QString &changed = {});

/// Gives a row the identity another program gave it; its time of change is kept when given.
void adoptIdentity(Database &db, Table table, qint64 rowid, const QString &uid, const QString &changed = {});

/// A new random UID.
QString newUid();

} // namespace store
