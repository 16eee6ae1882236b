// SPDX-License-Identifier: MIT
#include "options/rules/EventEntry.h"

#include "store/DateTimeText.h"

namespace options {

QString eventTimeToStore(const QString &shown, const QString &picked)
{
    const QString box = shown.trimmed();
    if (box == picked || (!box.isEmpty() && picked.startsWith(box + QStringLiteral(" : "))))
        return picked;
    return box;
}

bool momentHasPassed(const QString &dateText, const QString &timeText, const QDateTime &now)
{
    const QDate day = store::parseDate(dateText.trimmed());
    const auto stored = store::toStored(timeText.trimmed(), store::ValueKind::Time);
    if (!day.isValid() || !stored)
        return false;
    const QTime time = store::storedTime(*stored);
    if (!time.isValid())
        return false;
    const QDateTime currentSecond(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second()));
    return QDateTime(day, time) < currentSecond;
}

} // namespace options
