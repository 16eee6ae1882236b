// SPDX-License-Identifier: MIT
#include "exchange/Report.h"

namespace exchange {
namespace {

constexpr int ShownSkips = 10;

QString counted(int count, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

/// The text followed by a heading and the first few lines under it, then how many more there are.
QString withListed(QString text, const QString &heading, const QStringList &lines)
{
    if (lines.isEmpty())
        return text;
    text += QStringLiteral("\n%1 %2:").arg(lines.size()).arg(heading);
    for (const QString &line : lines.mid(0, ShownSkips))
        text += QStringLiteral("\n  ") + line;
    if (lines.size() > ShownSkips)
        text += QStringLiteral("\n  and %1 more").arg(lines.size() - ShownSkips);
    return text;
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
    text = withListed(text, droppedRepeats.size() == 1 ? QStringLiteral("repeat dropped") : QStringLiteral("repeats dropped"),
                      droppedRepeats);
    return withListed(text, QStringLiteral("skipped"), skipped);
}

} // namespace exchange
