// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace records {

/// The message for a failed store action, in plain words: what failed (e.g. "The task could not
/// be saved"), why, and what the user can do.
QString storeFailureText(const QString &whatFailed, int errorCode);

} // namespace records
