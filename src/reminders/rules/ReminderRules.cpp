// SPDX-License-Identifier: MIT
#include "reminders/rules/ReminderRules.h"

namespace reminders {

namespace {

constexpr qint64 SecondsPerDay = 24 * 60 * 60;
const QDate NoDateDay(1900, 1, 3);

QDate anniversaryIn(QDate stored, int year)
{
    if (stored.month() == 2 && stored.day() == 29 && !QDate::isLeapYear(year))
        return QDate(year, 2, 28);
    return QDate(year, stored.month(), stored.day());
}

} // namespace

qint64 wallSecond(QDate date, QTime time)
{
    if (!date.isValid() || !time.isValid())
        return -1;
    return date.toJulianDay() * SecondsPerDay + time.msecsSinceStartOfDay() / 1000;
}

qint64 wallSecond(const QDateTime &moment)
{
    return wallSecond(moment.date(), moment.time());
}

SecondsToScan secondsToScan(qint64 lastScanned, qint64 now, int catchUp)
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
