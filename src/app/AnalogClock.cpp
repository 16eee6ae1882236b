// SPDX-License-Identifier: MIT
#include "app/AnalogClock.h"

#include "app/rules/ClockHands.h"
#include "platform/Services.h"

#include <QEvent>
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
    Clock_timer->setSingleShot(true);
    Clock_timer->setTimerType(Qt::PreciseTimer);
    connect(Clock_timer, &QTimer::timeout, this, &AnalogClock::tick);
    connect(&m_clock, &Clock::wallClockChanged, this, &AnalogClock::tick);
    window()->installEventFilter(this);
}

void AnalogClock::tick()
{
    const QTime now = m_clock.now().time();
    const QTime second(now.hour(), now.minute(), now.second());
    if (second != m_shown) {
        m_shown = second;
        update();
    }
    arm();
}

bool AnalogClock::isSeen() const
{
    return isVisible() && !window()->isMinimized();
}

void AnalogClock::arm()
{
    if (!isSeen()) {
        Clock_timer->stop();
        return;
    }
    Clock_timer->start(1000 - m_clock.now().time().msec());
}

bool AnalogClock::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window() && event->type() == QEvent::WindowStateChange)
        tick();
    return QWidget::eventFilter(watched, event);
}

void AnalogClock::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_face->isValid()) {
        if (m_facePicture.size() != size()) {
            m_facePicture = QPixmap(size());
            m_facePicture.fill(Qt::transparent);
            QPainter picture(&m_facePicture);
            picture.setRenderHint(QPainter::Antialiasing);
            m_face->render(&picture, rect());
        }
        painter.drawPixmap(0, 0, m_facePicture);
    }
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
}

void AnalogClock::hideEvent(QHideEvent *)
{
    Clock_timer->stop();
}
