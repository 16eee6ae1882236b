// SPDX-License-Identifier: MIT
#include "widgets/DateCombo.h"

#include "context/AppContext.h"
#include "store/DateTimeText.h"
#include "widgets/Frm_Calendar.h"
#include "widgets/KeyGuard.h"

DateCombo::DateCombo(AppContext &app, const QString &objectName, QWidget *parent) : QComboBox(parent), m_app(app)
{
    setObjectName(objectName);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    KeyGuard::attach(app, this, [this] { return keyRuleFor(window()->objectName(), this->objectName()); });
}

void DateCombo::requireNotBefore(DateCombo *base)
{
    m_notBefore = base;
}

void DateCombo::requireNotAfter(DateCombo *base, DateCombo *fallbackBase)
{
    m_notAfter = base;
    m_notAfterFallback = fallbackBase;
}

void DateCombo::acceptPick(const QString &dateText)
{
    setEditText(dateText);
    if (!keepsOrder(dateText))
        setEditText(QString());
}

bool DateCombo::keepsOrder(const QString &dateText)
{
    const QDate picked = store::parseDate(dateText);
    if (m_notBefore) {
        const QDate base = store::parseDate(m_notBefore->currentText());
        if (base.isValid() && picked.isValid() && base > picked) {
            m_app.message(QStringLiteral("Please enter the correct Date"), MessageIcon::None, QString());
            return false;
        }
    }
    if (m_notAfter) {
        DateCombo *baseCombo = m_notAfter;
        if (m_notAfter->currentText().trimmed().isEmpty() && m_notAfterFallback)
            baseCombo = m_notAfterFallback;
        const QDate base = store::parseDate(baseCombo->currentText());
        if (base.isValid() && picked.isValid() && base < picked) {
            m_app.message(QStringLiteral("Please enter the valid Date"), MessageIcon::None, QString());
            return false;
        }
    }
    return true;
}

void DateCombo::showPopup()
{
    Frm_Calendar::openFor(m_app, window(), objectName());
}

// The calendar pop-up is a window of its own and stays until a pick or its close picture ends it.
void DateCombo::hidePopup() {}
