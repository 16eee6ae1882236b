// SPDX-License-Identifier: MIT
#pragma once

#include "exchange/Report.h"
#include "store/Database.h"

#include <QByteArray>

namespace exchange {

/// Every task, schedule, note and dated birthday of the store as one iCalendar object, each
/// record's reminder as its alarms; the report counts what went in.
QByteArray calendarOf(const store::Database &db, Report &report);

} // namespace exchange
