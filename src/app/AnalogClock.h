// SPDX-License-Identifier: MIT
#pragma once

#include <QTime>
#include <QWidget>

class Clock;
class QSvgRenderer;
class QTimer;

/// The main window's analogue clock face (`p1`). Its timer (`Clock_timer`, 100 ms) runs only
/// while the clock is visible, and the face is redrawn only when a hand has moved.
class AnalogClock final : public QWidget
{
    Q_OBJECT
public:
    AnalogClock(const Clock &clock, QWidget *parent);

    /// The time the hands show.
    QTime shownTime() const { return m_shown; }

public slots:
    /// Called by `Clock_timer`: moves the hands when the clock's second has changed.
    void tick();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    const Clock &m_clock;
    QTimer *Clock_timer;
    QSvgRenderer *m_face;
    QTime m_shown;
};
