// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/ImageButton.h"

#include <QRect>

/// The program's command button: a caption over the generic button art, with its hover picture.
ImageButton *makeLabelButton(const QString &objectName, const QString &caption, QWidget *parent, QRect geometry);
