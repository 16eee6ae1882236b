// SPDX-License-Identifier: MIT
#include "exchange/Report.h"

namespace exchange {
namespace {

constexpr int ShownSkips = 10;

QString counted(int count, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

} // namespace

QString Report::summary(const QString &verb) const
{
    if (!succeeded())
        return failure;
    QStringList parts;
    parts << counted(tasks, "task", "tasks") << counted(schedules, "schedule", "schedules")
          << counted(notes, "note", "notes") << counted(birthdays, "birthday", "birthdays")
          << counted(contacts, "contact", "contacts") << counted(reminders, "reminder", "reminders");
    QString text = verb + QLatin1Char(' ') + parts.join(QStringLiteral(", ")) + QLatin1Char('.');
    if (added + updated + unchanged > 0)
        text += QStringLiteral(" %1 added, %2 updated, %3 unchanged.").arg(added).arg(updated).arg(unchanged);
    QStringList dropped;
    if (programsDropped)
        dropped << counted(programsDropped, "program", "programs");
    if (soundsDropped)
        dropped << counted(soundsDropped, "sound whose file is missing", "sounds whose files are missing");
    if (repeatsDropped)
        dropped << counted(repeatsDropped, "repeat", "repeats");
    if (birthdaysDropped)
        dropped << counted(birthdaysDropped, "birthday without a year", "birthdays without a year");
    if (!dropped.isEmpty())
        text += QStringLiteral(" Dropped: ") + dropped.join(QStringLiteral(", ")) + QLatin1Char('.');
    if (skipped.isEmpty())
        return text;
    text += QStringLiteral("\n%1 skipped:").arg(skipped.size());
    for (const QString &line : skipped.mid(0, ShownSkips))
        text += QStringLiteral("\n  ") + line;
    if (skipped.size() > ShownSkips)
        text += QStringLiteral("\n  and %1 more").arg(skipped.size() - ShownSkips);
    return text;
}

} // namespace exchange
