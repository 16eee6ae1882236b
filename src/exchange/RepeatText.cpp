// SPDX-License-Identifier: MIT
#include "exchange/RepeatText.h"

#include "exchange/IcalTime.h"

#include <QDateTime>
#include <QStringList>

namespace exchange {
namespace {

const QString Until = QStringLiteral("UNTIL=");

/// The rule's parts with the UNTIL part's value replaced by what `replace` makes of it.
template<typename Replace>
QString withUntil(const QString &rrule, Replace replace)
{
    QStringList parts = rrule.split(QLatin1Char(';'));
    for (QString &part : parts)
        if (part.startsWith(Until, Qt::CaseInsensitive))
            part = Until + replace(part.mid(Until.size()));
    return parts.join(QLatin1Char(';'));
}

} // namespace

QString ruleToWrite(const QString &rrule, const Moment &start, bool zoned)
{
    return withUntil(rrule, [&](const QString &value) {
        const QDate last = QDate::fromString(value.left(8), QStringLiteral("yyyyMMdd"));
        if (!start.time.isValid() || !last.isValid())
            return value.left(8);
        const QDateTime end(last, QTime(23, 59, 59));
        return zoned ? end.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"))
                     : end.toString(QStringLiteral("yyyyMMdd'T'HHmmss"));
    });
}

QString ruleToKeep(const QString &rrule, const Moment &start)
{
    bool readable = true;
    const QString rule = withUntil(rrule, [&](const QString &value) {
        const Moment until = localMoment(icaltime_from_string(value.toLatin1().constData()));
        readable = readable && until.date.isValid();
        // An occurrence later in its day than the end of the rule is no longer in it.
        const bool dayTooLate = until.time.isValid() && start.time.isValid() && start.time > until.time;
        return until.date.addDays(dayTooLate ? -1 : 0).toString(QStringLiteral("yyyyMMdd"));
    });
    return readable ? rule : QString();
}

} // namespace exchange
