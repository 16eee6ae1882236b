// SPDX-License-Identifier: MIT
#include "reminders/rules/EventRules.h"

namespace reminders {

namespace {

struct Event
{
    const char *name;
    int flags;
};

// Log off, shut down, reboot and power off, each forced. "Hibernate" switches the computer off.
constexpr Event Events[] = {
    { "Shut Down Computer", 5 },
    { "Restart Computer", 7 },
    { "Hibernate", 12 },
    { "Log Off", 4 },
};

} // namespace

const QStringList &eventNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const Event &event : Events)
            list << QString::fromLatin1(event.name);
        return list;
    }();
    return names;
}

std::optional<int> exitFlagsFor(const QString &eventName)
{
    for (const Event &event : Events)
        if (eventName == QLatin1String(event.name))
            return event.flags;
    return std::nullopt;
}

} // namespace reminders
