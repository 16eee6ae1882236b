// SPDX-License-Identifier: MIT
#include "context/OnScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QPoint keptWithin(QPoint wanted, QSize size, const QRect &area)
{
    const auto kept = [](int at, int length, int start, int areaLength) {
        return std::max(start, std::min(at, start + areaLength - length));
    };
    return { kept(wanted.x(), size.width(), area.x(), area.width()),
        kept(wanted.y(), size.height(), area.y(), area.height()) };
}

void moveOnScreen(QWidget *window, QPoint wanted)
{
    const QScreen *screen = QGuiApplication::screenAt(wanted);
    if (!screen)
        screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    window->move(screen ? keptWithin(wanted, window->frameGeometry().size(), screen->availableGeometry()) : wanted);
}
