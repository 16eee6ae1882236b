// SPDX-License-Identifier: MIT
#include "widgets/LabelButton.h"

ImageButton *makeLabelButton(const QString &objectName, const QString &caption, QWidget *parent, QRect geometry)
{
    auto *button = new ImageButton(objectName, QStringLiteral(":/art/button.svg"),
                                   QStringLiteral(":/art/button_hover.svg"), parent, caption);
    button->setGeometry(geometry);
    return button;
}
