// SPDX-License-Identifier: MIT
#include "exchange/IcalTime.h"

#include <QDateTime>
#include <QTimeZone>

namespace exchange {

icaltimetype floatingTime(const Moment &moment)
{
    icaltimetype value = moment.time.isValid() ? icaltime_null_time() : icaltime_null_date();
    value.year = moment.date.year();
    value.month = moment.date.month();
    value.day = moment.date.day();
    if (moment.time.isValid()) {
        value.hour = moment.time.hour();
        value.minute = moment.time.minute();
        value.second = moment.time.second();
    }
    return value;
}

icaltimetype utcTime(const Moment &moment)
{
    const QDateTime local(moment.date, moment.time.isValid() ? moment.time : QTime(0, 0));
    return icaltime_from_timet_with_zone(local.toSecsSinceEpoch(), 0, icaltimezone_get_utc_timezone());
}

Moment localMoment(icaltimetype value)
{
    if (icaltime_is_null_time(value) || !icaltime_is_valid_time(value))
        return {};
    const QDate date(value.year, value.month, value.day);
    if (!date.isValid())
        return {};
    if (value.is_date)
        return {date, {}};
    const QTime time(value.hour, value.minute, value.second);
    if (!time.isValid())
        return {};
    if (!value.zone)
        return {date, time};
    const QDateTime local = QDateTime::fromSecsSinceEpoch(icaltime_as_timet_with_zone(value, value.zone));
    return {local.date(), local.time()};
}

} // namespace exchange
