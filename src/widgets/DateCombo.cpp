// SPDX-License-Identifier: MIT
#include "widgets/DateCombo.h"

DateCombo::DateCombo(Orrisday &app, const QString &objectName, QWidget *parent) : QComboBox(parent), m_app(app)
{
    setObjectName(objectName);
    setEditable(true);
}
void DateCombo::requireNotBefore(DateCombo *base) { m_notBefore = base; }
void DateCombo::requireNotAfter(DateCombo *base, DateCombo *fallbackBase) { m_notAfter = base; m_notAfterFallback = fallbackBase; }
void DateCombo::acceptPick(const QString &dateText) { setEditText(dateText); }
void DateCombo::showPopup() {}
void DateCombo::hidePopup() {}
