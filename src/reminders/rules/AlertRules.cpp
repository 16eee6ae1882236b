// SPDX-License-Identifier: MIT
#include "reminders/rules/AlertRules.h"

namespace reminders {

const QList<int> &snoozeMinutes()
{
    static const QList<int> minutes { 5, 10, 15, 30, 60 };
    return minutes;
}

QString snoozeChoiceText(int minutes)
{
    return QStringLiteral("%1 minutes").arg(minutes);
}

QString snoozeActionKey(int minutes)
{
    return QStringLiteral("snooze-%1").arg(minutes);
}

QString snoozeActionLabel(int minutes)
{
    return QStringLiteral("Snooze %1 min").arg(minutes);
}

std::optional<int> snoozeMinutesOf(const QString &actionKey)
{
    for (int minutes : snoozeMinutes())
        if (actionKey == snoozeActionKey(minutes))
            return minutes;
    return std::nullopt;
}

bool alertSlidesIn(const QString &platformName)
{
    return !platformName.startsWith(QLatin1String("wayland"));
}

} // namespace reminders
