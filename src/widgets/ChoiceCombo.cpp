// SPDX-License-Identifier: MIT
#include "widgets/ChoiceCombo.h"

ChoiceCombo::ChoiceCombo(Orrisday &, const QString &objectName, const QStringList &items, QWidget *parent, Typing)
    : QComboBox(parent)
{
    setObjectName(objectName);
    setEditable(true);
    addItems(items);
    setCurrentIndex(-1);
}

QStringList ChoiceCombo::items() const
{
    QStringList list;
    for (int i = 0; i < count(); ++i)
        list << itemText(i);
    return list;
}
