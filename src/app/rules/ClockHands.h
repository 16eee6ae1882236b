// SPDX-License-Identifier: MIT
// The hands of the main window's analogue clock, in twips (15 per pixel), screen y downwards.
#pragma once

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QTime>

struct ClockHands
{
    /// Hour and minute hands: a shaft from tail to tip, then a thin barbed outline back to it.
    /// The hour hand is the shorter and the thicker, so the time reads at a glance.
    QList<QLineF> hour;
    QList<QLineF> minute;
    /// The second hand: one line from the centre.
    QLineF second;
    /// Pen widths of the hands.
    double hourWidth = 0;
    double minuteWidth = 0;
    double secondWidth = 0;
};

/// The lines to draw for a time of day around a centre (twips).
ClockHands clockHands(QTime time, QPointF centre);
