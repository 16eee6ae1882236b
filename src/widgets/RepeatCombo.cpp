// SPDX-License-Identifier: MIT
#include "widgets/RepeatCombo.h"

#include "context/AppContext.h"
#include "context/OnScreen.h"
#include "store/DateTimeText.h"
#include "widgets/DateCombo.h"
#include "widgets/Frm_Repeat.h"
#include "widgets/rules/RepeatChoices.h"

using records::presetRule;

RepeatCombo::RepeatCombo(AppContext &app, const QString &objectName, DateCombo *start, QWidget *parent)
    : QComboBox(parent)
    , m_app(app)
    , m_start(start)
{
    setObjectName(objectName);
    addItems(records::repeatChoices());
    setCurrentIndex(0);
    connect(this, &QComboBox::activated, this, &RepeatCombo::choose);
    connect(start, &QComboBox::editTextChanged, this, &RepeatCombo::showCustomWords);
}

Frm_Repeat *RepeatCombo::customDialog() const
{
    return m_dialog;
}

int RepeatCombo::customIndex() const
{
    return m_custom ? count() - 2 : -1;
}

std::optional<store::RepeatRule> RepeatCombo::rule() const
{
    if (currentIndex() == customIndex())
        return m_custom;
    return presetRule(currentIndex());
}

void RepeatCombo::setRule(const std::optional<store::RepeatRule> &rule)
{
    const int preset = records::presetChoiceOf(rule);
    if (preset >= 0) {
        setCurrentIndex(preset);
    } else {
        if (!m_custom)
            insertItem(count() - 1, QString());
        m_custom = rule;
        showCustomWords();
        setCurrentIndex(customIndex());
    }
    m_chosen = currentIndex();
}

void RepeatCombo::choose(int index)
{
    if (index == count() - 1)
        chooseCustom();
    else
        m_chosen = index;
}

void RepeatCombo::chooseCustom()
{
    setCurrentIndex(count() - 1);
    if (m_dialog)
        return;
    const QDate start = startDate();
    // Nothing chosen yet: a week on the start's weekday is where a custom rule most often begins.
    const store::RepeatRule preset
        = presetRule(m_chosen) ? *presetRule(m_chosen) : m_chosen == customIndex() ? *m_custom : *presetRule(2);
    m_dialog = new Frm_Repeat(m_app, window(), start, preset);
    connect(m_dialog, &Frm_Repeat::chosen, this, &RepeatCombo::setRule);
    connect(m_dialog, &Frm_Repeat::cancelled, this, [this] { setCurrentIndex(m_chosen); });
    moveOnScreen(m_dialog, window()->pos() + QPoint((window()->width() - m_dialog->width()) / 2, 40));
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

QDate RepeatCombo::startDate() const
{
    const QDate start = store::parseDate(m_start->currentText().trimmed());
    return start.isValid() ? start : m_app.services().clock->now().date();
}

void RepeatCombo::showCustomWords()
{
    if (m_custom)
        setItemText(customIndex(), store::inWords(*m_custom, startDate()));
}
