// SPDX-License-Identifier: MIT
// The computer events: their names, and the exit flags each carries out.
#pragma once

#include <QStringList>
#include <optional>

namespace reminders {

/// The event names in the order the user is offered them.
const QStringList &eventNames();

/// The exit flags of an event name (exact and case-sensitive); nothing for any other text.
std::optional<int> exitFlagsFor(const QString &eventName);

} // namespace reminders
