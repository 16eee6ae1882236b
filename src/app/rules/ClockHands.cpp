// SPDX-License-Identifier: MIT
#include "app/rules/ClockHands.h"

#include <cmath>

namespace {

// The clock's own rounded pi; the hands are drawn with it.
constexpr double Pi = 3.1415;
const double BarbAngle = std::atan(1.0) * 3;

double radians(double degrees)
{
    return degrees * Pi / 180;
}

QPointF along(double angle, double length)
{
    return { length * std::sin(angle), length * std::cos(angle) };
}

constexpr double HourLength = 330;
constexpr double MinuteLength = 500;
constexpr double SecondLength = 700;

QList<QLineF> arrowHand(QPointF centre, double angle, double length)
{
    const QPointF tip = centre + along(angle, length);
    const QPointF tail = centre - along(angle, 100);
    const QPointF barb = along(angle + BarbAngle, 90);
    return { QLineF(tail, tip), QLineF(tip, tail + barb), QLineF(tail + barb, tail - barb), QLineF(tail - barb, tip) };
}

} // namespace

ClockHands clockHands(QTime time, QPointF centre)
{
    // An angle of 180 degrees points to twelve o'clock.
    const double hour = radians(180 - 30.0 * time.hour() - time.minute() / 2.0);
    const double minute = radians(180 - 6.0 * time.minute());
    const double second = radians(180 - 6.0 * time.second());
    return { arrowHand(centre, hour, HourLength), arrowHand(centre, minute, MinuteLength),
        QLineF(centre, centre + along(second, SecondLength)), 45, 22.5, 15 };
}
