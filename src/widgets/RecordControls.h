// SPDX-License-Identifier: MIT
// Controls every record window builds alike.
#pragma once

#include "widgets/ImageButton.h"

#include <QRect>

class QLabel;
class QLineEdit;

/// The program's command button: a caption over the generic button art, with its hover picture.
ImageButton *makeLabelButton(const QString &objectName, const QString &caption, QWidget *parent, QRect geometry);

/// The close picture of a window, with its hover picture.
ImageButton *makeClosePicture(const QString &objectName, QWidget *parent, QRect geometry);

/// A named control with a text at a place: a caption label, a check box, an option button.
template <typename Control>
Control *makeTextControl(const QString &objectName, const QString &text, QWidget *parent, QRect geometry)
{
    auto *control = new Control(text, parent);
    control->setObjectName(objectName);
    control->setGeometry(geometry);
    return control;
}

/// A named caption label at a place.
QLabel *makeCaption(const QString &objectName, const QString &text, QWidget *parent, QRect geometry);

/// A hidden hand-off box.
QLineEdit *makeHiddenBox(const QString &objectName, QWidget *parent);
