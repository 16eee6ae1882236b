// SPDX-License-Identifier: MIT
// A store in trouble, as a user meets it: a file that cannot be written, a database another
// program holds locked, a damaged page.
#pragma once

#include "store/Database.h"

#include <QMetaType>
#include <QString>
#include <memory>

enum class StoreTrouble { ReadOnly, Locked, Damaged };
Q_DECLARE_METATYPE(StoreTrouble)

/// Brings the trouble onto the program's store (the connection the windows use) and the file
/// beneath it; whatever holds it is released when the result goes.
std::shared_ptr<void> bringTrouble(StoreTrouble trouble, store::Database &programStore, const QString &file);

/// Overwrites the first page of a table (or of the schema, "sqlite_master") with garbage and tells every connection the file changed.
void damageTable(const QString &file, const QString &table);
