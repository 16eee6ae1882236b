// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QTime>
#include <QWidget>

class Clock;
class QSvgRenderer;
class QTimer;

/// The main window's analogue clock face (`p1`). Its timer (`Clock_timer`) wakes once a second,
/// on the second's boundary, and only while the clock is shown and its window not minimised.
class AnalogClock final : public QWidget
{
    Q_OBJECT
public:
    AnalogClock(const Clock &clock, QWidget *parent);

    /// The time the hands show.
    QTime shownTime() const { return m_shown; }

public slots:
    /// Called by `Clock_timer`: moves the hands when the clock's second has changed, and waits for
    /// the next second.
    void tick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    bool isSeen() const;
    void arm();

    const Clock &m_clock;
    QTimer *Clock_timer;
    QSvgRenderer *m_face;
    QPixmap m_facePicture; ///< the face drawn once per size
    QTime m_shown;
};
