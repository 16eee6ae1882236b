// SPDX-License-Identifier: MIT
#include "exchange/CalendarFields.h"

namespace exchange {

icalproperty_status todoStatus(const QString &status)
{
    if (status == QLatin1String("Not Started"))
        return ICAL_STATUS_NEEDSACTION;
    if (status == QLatin1String("In Progress"))
        return ICAL_STATUS_INPROCESS;
    if (status == QLatin1String("Completed"))
        return ICAL_STATUS_COMPLETED;
    if (status == QLatin1String("Awaiting") || status == QLatin1String("Postponed"))
        return ICAL_STATUS_NEEDSACTION;
    return ICAL_STATUS_NONE;
}

QString statusText(icalproperty_status status)
{
    switch (status) {
    case ICAL_STATUS_INPROCESS:
        return QStringLiteral("In Progress");
    case ICAL_STATUS_COMPLETED:
        return QStringLiteral("Completed");
    default:
        return QStringLiteral("Not Started");
    }
}

int priorityValue(const QString &priority)
{
    if (priority == QLatin1String("Urgent"))
        return 1;
    if (priority == QLatin1String("High"))
        return 3;
    if (priority == QLatin1String("Medium"))
        return 5;
    if (priority == QLatin1String("Low"))
        return 7;
    return 0;
}

QString priorityText(int value)
{
    if (value <= 0 || value > 9)
        return {};
    if (value <= 2)
        return QStringLiteral("Urgent");
    if (value <= 4)
        return QStringLiteral("High");
    if (value == 5)
        return QStringLiteral("Medium");
    return QStringLiteral("Low");
}

QString quotedWhereNeeded(const QString &value)
{
    const QChar quote = QLatin1Char('"');
    return value.isEmpty() || value.trimmed() != value || value.startsWith(quote) ? quote + value + quote : value;
}

QString unquoted(const QString &text)
{
    const QChar quote = QLatin1Char('"');
    return text.size() >= 2 && text.startsWith(quote) && text.endsWith(quote) ? text.sliced(1, text.size() - 2) : text;
}

} // namespace exchange
