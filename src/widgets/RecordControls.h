// SPDX-License-Identifier: MIT
// Controls every record window builds alike.
#pragma once

#include "widgets/ImageButton.h"

#include <QRect>

class QLineEdit;

/// The program's command button: a caption over the generic button art, with its hover picture.
ImageButton *makeLabelButton(const QString &objectName, const QString &caption, QWidget *parent, QRect geometry);

/// A hidden hand-off box.
QLineEdit *makeHiddenBox(const QString &objectName, QWidget *parent);
