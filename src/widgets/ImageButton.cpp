// SPDX-License-Identifier: MIT
#include "widgets/ImageButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

ImageButton::ImageButton(const QString &objectName, const QString &normalPicture, const QString &hoverPicture,
                         QWidget *parent, const QString &caption)
    : QWidget(parent),
      m_normal(new QSvgRenderer(normalPicture, this)),
      m_hover(new QSvgRenderer(hoverPicture.isEmpty() ? normalPicture : hoverPicture, this)),
      m_caption(caption)
{
    setObjectName(objectName);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    setAccessibleName(caption.isEmpty() ? objectName : caption);
}

void ImageButton::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void ImageButton::showNormalPicture()
{
    if (m_hovered) {
        m_hovered = false;
        update();
    }
}

void ImageButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer *picture = m_hovered ? m_hover : m_normal;
    if (picture->isValid())
        picture->render(&painter, rect());
    if (!m_caption.isEmpty()) {
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(rect(), Qt::AlignCenter, m_caption);
    }
    if (hasFocus()) {
        QPen frame(palette().color(QPalette::Highlight), 2, Qt::DotLine);
        painter.setPen(frame);
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 5, 5);
    }
}

void ImageButton::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            emit clicked();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ImageButton::focusInEvent(QFocusEvent *event)
{
    update();
    QWidget::focusInEvent(event);
}

void ImageButton::focusOutEvent(QFocusEvent *event)
{
    update();
    QWidget::focusOutEvent(event);
}

void ImageButton::enterEvent(QEnterEvent *)
{
    m_hovered = true;
    update();
}

void ImageButton::leaveEvent(QEvent *)
{
    showNormalPicture();
}

void ImageButton::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void ImageButton::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click) {
        showNormalPicture();
        emit clicked();
    }
}
