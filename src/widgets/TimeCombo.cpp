// SPDX-License-Identifier: MIT
#include "widgets/TimeCombo.h"

#include <QListWidget>

TimeCombo::TimeCombo(Orrisday &app, const QString &objectName, const QString &hourListName,
                     const QString &minuteListName, QWidget *parent)
    : QComboBox(parent), m_app(app), m_hours(new QListWidget(parent)), m_minutes(new QListWidget(parent))
{
    setObjectName(objectName);
    setEditable(true);
    m_hours->setObjectName(hourListName);
    m_minutes->setObjectName(minuteListName);
    m_hours->hide();
    m_minutes->hide();
}
void TimeCombo::preselectNow() {}
void TimeCombo::showPopup() {}
void TimeCombo::hidePopup() {}
void TimeCombo::pickMinute() {}
