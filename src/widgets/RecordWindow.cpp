// SPDX-License-Identifier: MIT
#include "widgets/RecordWindow.h"

#include <QPainter>
#include <QSvgRenderer>

RecordWindow::RecordWindow(AppContext &app, const QString &objectName, const QString &title, QSize size,
                           QWidget *owner)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint), m_app(app), m_title(title)
{
    setObjectName(objectName);
    setWindowTitle(title);
    setFixedSize(size);
}

void RecordWindow::setTitle(const QString &title)
{
    m_title = title;
    setWindowTitle(title);
    update();
}

void RecordWindow::paintEvent(QPaintEvent *)
{
    static QSvgRenderer background(QStringLiteral(":/art/window_background.svg"));
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (background.isValid()) {
        // The panel stretches with the window; the title band keeps its height.
        background.render(&painter, QStringLiteral("body"), rect());
        background.render(&painter, QStringLiteral("band"), QRect(0, 0, width(), 32));
    } else
        painter.fillRect(rect(), palette().window());
    QFont font = painter.font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.15);
    painter.setFont(font);
    painter.setPen(QColor(0xF4, 0xF7, 0xFA));
    painter.drawText(QRect(16, 0, width() - 32, 30), Qt::AlignVCenter | Qt::AlignLeft, m_title);
}
