// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

/// The top-left corner of a window of the given size placed at the wanted point, moved as little
/// as it takes to lie within the area (its top-left corner kept when it is larger than the area).
QPoint keptWithin(QPoint wanted, QSize size, const QRect &area);

/// Moves a top-level window to the wanted point, kept within the available area of the screen
/// that point lies on.
void moveOnScreen(QWidget *window, QPoint wanted);
