// SPDX-License-Identifier: MIT
// What a raised reminder offers: putting it off by some minutes, and how the alert appears.
#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace reminders {

/// The minutes a raised reminder can be put off by, in the order they are offered.
const QList<int> &snoozeMinutes();
/// A snooze choice as the alert offers it: "10 minutes".
QString snoozeChoiceText(int minutes);
/// A snooze as a notification's action: its key ("snooze-10") and label ("Snooze 10 min").
QString snoozeActionKey(int minutes);
QString snoozeActionLabel(int minutes);
/// The minutes an action key puts the reminder off by; nothing for any other key.
std::optional<int> snoozeMinutesOf(const QString &actionKey);

/// Whether the alert slides in from the screen's corner: not on Wayland, where a program cannot
/// place its own windows.
bool alertSlidesIn(const QString &platformName);

} // namespace reminders
