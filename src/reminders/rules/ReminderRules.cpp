// SPDX-License-Identifier: MIT
#include "reminders/rules/ReminderRules.h"

#include "store/DateTimeText.h"

namespace reminders {

namespace {

const QDate NoDateDay(1900, 1, 3);

QDate anniversaryIn(QDate stored, int year)
{
    if (stored.month() == 2 && stored.day() == 29 && !QDate::isLeapYear(year))
        return QDate(year, 2, 28);
    return QDate(year, stored.month(), stored.day());
}

} // namespace

SecondsToScan secondsToScan(qint64 lastScanned, qint64 now, qint64 catchUp)
{
    if (now < lastScanned)
        return { now - 1, now };
    return { std::max(lastScanned, now - catchUp), now };
}

QDate dueDayNear(QDate stored, bool yearly, QDate day)
{
    if (!stored.isValid() || stored == NoDateDay)
        return {};
    for (const QDate near : { day, day.addDays(-1) }) {
        const QDate due = yearly ? anniversaryIn(stored, near.year()) : stored;
        if (due == near && due >= stored)
            return due;
    }
    return {};
}

QString lateNotice(QDate dueDay, QTime dueTime, QDate today, qint64 secondsLate)
{
    const auto count = [](qint64 n, const char *unit) {
        return QStringLiteral("%1 %2%3").arg(n).arg(QLatin1String(unit)).arg(n == 1 ? "" : "s");
    };
    const qint64 minutes = secondsLate / 60 % 60;
    const qint64 hours = secondsLate / 3600;
    QString ago = count(minutes, "minute");
    if (secondsLate < 60)
        ago = count(secondsLate, "second");
    else if (hours > 0)
        ago = minutes > 0 ? count(hours, "hour") + QLatin1Char(' ') + ago : count(hours, "hour");
    const QString due = dueDay == today ? store::timeText(dueTime)
                                        : store::dateText(dueDay) + QLatin1Char(' ') + store::timeText(dueTime);
    return QStringLiteral("due %1, %2 ago").arg(due, ago);
}

bool namesSound(const QString &sound)
{
    const QString text = sound.trimmed();
    return !text.isEmpty() && text != QLatin1String("No Sound");
}

bool namesProgram(const QString &program)
{
    const QString text = program.trimmed();
    return !text.isEmpty() && text != QLatin1String("No Prg");
}

QString workingFolderOf(const QString &path)
{
    const qsizetype separator = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    if (separator <= 0)
        return QStringLiteral("/");
    return path.left(separator);
}

} // namespace reminders
