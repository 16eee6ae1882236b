// SPDX-License-Identifier: MIT
#include "widgets/RecordControls.h"

#include <QLabel>
#include <QLineEdit>

ImageButton *makeLabelButton(const QString &objectName, const QString &caption, QWidget *parent, QRect geometry)
{
    auto *button = new ImageButton(
        objectName, QStringLiteral(":/art/button.svg"), QStringLiteral(":/art/button_hover.svg"), parent, caption);
    button->setGeometry(geometry);
    return button;
}

ImageButton *makeClosePicture(const QString &objectName, QWidget *parent, QRect geometry)
{
    auto *button = new ImageButton(
        objectName, QStringLiteral(":/art/close_x.svg"), QStringLiteral(":/art/close_x_hover.svg"), parent);
    button->setGeometry(geometry);
    return button;
}

QLabel *makeCaption(const QString &objectName, const QString &text, QWidget *parent, QRect geometry)
{
    return makeTextControl<QLabel>(objectName, text, parent, geometry);
}

QLineEdit *makeHiddenBox(const QString &objectName, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(objectName);
    box->hide();
    return box;
}
