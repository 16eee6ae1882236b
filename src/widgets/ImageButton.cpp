// SPDX-License-Identifier: MIT
#include "widgets/ImageButton.h"

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
    setFocusPolicy(Qt::NoFocus);
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
