// SPDX-License-Identifier: MIT
#pragma once

#include "store/Database.h"

#include <QString>
#include <functional>

class AppContext;

/// Runs the writes of one change all or nothing. A failed write leaves the store as it was: a
/// date or time that cannot be stored is answered with "Please Enter Date ", any other failure
/// with a warning that begins with whatFailed and says why. Gives whether it was written.
bool writeRecordChange(AppContext &app, const QString &whatFailed, const std::function<void(store::Database &)> &change);
