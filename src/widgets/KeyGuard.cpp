// SPDX-License-Identifier: MIT
#include "widgets/KeyGuard.h"

#include "context/AppContext.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

KeyGuard::KeyGuard(AppContext &app, QComboBox *combo, RuleSource source)
    : QObject(combo), m_app(app), m_combo(combo), m_source(std::move(source))
{
    combo->installEventFilter(this);
    if (combo->lineEdit())
        combo->lineEdit()->installEventFilter(this);
}

void KeyGuard::attach(AppContext &app, QComboBox *combo, RuleSource source)
{
    new KeyGuard(app, combo, std::move(source));
}

bool KeyGuard::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !isTypedKey(*static_cast<QKeyEvent *>(event)))
        return false;
    const std::optional<KeyRule> rule = m_source();
    if (!rule)
        return false;
    QPointer<QComboBox> combo = m_combo;
    m_app.message(rule->message, rule->icon, rule->title);
    if (!combo)
        return true;
    if (rule->text == TextAfterKey::Emptied)
        combo->setEditText(QString());
    else if (rule->text == TextAfterKey::OneBlank)
        combo->setEditText(QStringLiteral(" "));
    return rule->cancelsKey;
}
