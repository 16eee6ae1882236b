// SPDX-License-Identifier: MIT
#pragma once

#include "exchange/Matching.h"
#include "store/Database.h"

#include <QByteArray>

namespace exchange {

/// Every contact of the store as a vCard 4.0, in contact order.
QByteArray cardsOf(const store::Database &db, Report &report);

/// Stores each vCard of the text as a contact with its birthday row; a card that cannot be stored
/// whole (no name, an unreadable birthday, no end) is left out and named in the report. Runs
/// inside the caller's transaction; throws store::Error when the store refuses a write.
/// Reads the cards into the store, matched by UID. Throws Cancelled when the options' progress
/// asks to stop.
void importCards(store::Database &db, const QByteArray &text, Report &report, const ImportOptions &options,
    Matcher &matcher);

} // namespace exchange
