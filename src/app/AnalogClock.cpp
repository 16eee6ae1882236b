// SPDX-License-Identifier: MIT
#include "app/AnalogClock.h"

#include "app/rules/ClockHands.h"
#include "platform/Services.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTimer>

namespace {
constexpr double TwipsPerPixel = 15;
}

AnalogClock::AnalogClock(const Clock &clock, QWidget *parent)
    : QWidget(parent)
    , m_clock(clock)
    , Clock_timer(new QTimer(this))
    , m_face(new QSvgRenderer(QStringLiteral(":/art/clock_face.svg"), this))
{
    setObjectName(QStringLiteral("p1"));
    Clock_timer->setObjectName(QStringLiteral("Clock_timer"));
    Clock_timer->setInterval(100);
    connect(Clock_timer, &QTimer::timeout, this, &AnalogClock::tick);
}

void AnalogClock::tick()
{
    const QTime now = m_clock.now().time();
    const QTime second(now.hour(), now.minute(), now.second());
    if (second == m_shown)
        return;
    m_shown = second;
    update();
}

void AnalogClock::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_face->isValid())
        m_face->render(&painter, rect());
    if (!m_shown.isValid())
        return;
    painter.scale(1 / TwipsPerPixel, 1 / TwipsPerPixel);
    const QPointF centre(width() * TwipsPerPixel / 2, height() * TwipsPerPixel / 2);
    const ClockHands hands = clockHands(m_shown, centre);
    painter.setPen(QPen(Qt::white, hands.hourWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLines(hands.hour);
    painter.setPen(QPen(Qt::white, hands.minuteWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLines(hands.minute);
    painter.setPen(QPen(Qt::white, hands.secondWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(hands.second);
}

void AnalogClock::showEvent(QShowEvent *)
{
    tick();
    Clock_timer->start();
}

void AnalogClock::hideEvent(QHideEvent *)
{
    Clock_timer->stop();
}
