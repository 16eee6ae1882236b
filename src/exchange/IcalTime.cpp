// SPDX-License-Identifier: MIT
#include "exchange/IcalTime.h"

#include <QDateTime>
#include <QTimeZone>
#include <ctime>

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

QByteArray localZoneId()
{
    const QByteArray id = QTimeZone::systemTimeZoneId();
    const QTimeZone zone(id);
    const bool utc = !zone.hasTransitions() && zone.offsetFromUtc(QDateTime::currentDateTimeUtc()) == 0;
    return zone.isValid() && !utc && knownZone(id) ? id : QByteArray();
}

icaltimezone *knownZone(const QByteArray &id)
{
    return QTimeZone::isTimeZoneIdAvailable(id) ? icaltimezone_get_builtin_timezone(id.constData()) : nullptr;
}

icalcomponent *newZoneComponent(const QByteArray &id)
{
    // libical names its zones with a prefix of its own; other programs look the plain id up.
    icalcomponent *zone = icalcomponent_new_clone(icaltimezone_get_component(knownZone(id)));
    icalproperty_set_tzid(icalcomponent_get_first_property(zone, ICAL_TZID_PROPERTY), id.constData());
    return zone;
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
    // The C library's conversion: Qt's looks the system's zone up again for each time it converts.
    const time_t at = icaltime_as_timet_with_zone(value, value.zone);
    tm local {};
    if (!localtime_r(&at, &local))
        return {};
    return {QDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday), QTime(local.tm_hour, local.tm_min, local.tm_sec)};
}

} // namespace exchange
