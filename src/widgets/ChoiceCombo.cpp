// SPDX-License-Identifier: MIT
#include "widgets/ChoiceCombo.h"

#include "context/AppContext.h"
#include "widgets/KeyGuard.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPointer>

namespace {

// The combo taking the focus back after a refused leave. The control that had just received the
// focus loses it again at once; were it a choice combo too, its own check would take the focus
// back in turn, and the two would hand the refusal to and fro for ever.
QPointer<ChoiceCombo> reclaiming;

} // namespace

ChoiceCombo::ChoiceCombo(AppContext &app, const QString &objectName, const QStringList &items, QWidget *parent,
                         Typing typing)
    : QComboBox(parent), m_app(app), m_typing(typing)
{
    setObjectName(objectName);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Completion would quietly mend the case of a typed item, which the leave check refuses.
    setCompleter(nullptr);
    addItems(items);
    setCurrentIndex(-1);
    KeyGuard::attach(app, this, [this]() -> std::optional<KeyRule> {
        if (m_typing == Typing::Allowed)
            return std::nullopt;
        return KeyRule{{}, {}, m_typingMessage, m_title, MessageIcon::Information, TextAfterKey::OneBlank, false};
    });
}

QStringList ChoiceCombo::items() const
{
    QStringList list;
    for (int i = 0; i < count(); ++i)
        list << itemText(i);
    return list;
}

void ChoiceCombo::setMessages(const QString &leaveMessage, const QString &typingMessage, const QString &title)
{
    m_leaveMessage = leaveMessage;
    m_typingMessage = typingMessage;
    m_title = title;
}

bool ChoiceCombo::leftForAnotherControl(const QFocusEvent &event) const
{
    switch (event.reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
    case Qt::NoFocusReason:
        return false;
    default:
        break;
    }
    const QWidget *next = QApplication::focusWidget();
    return next && next != this && next->window() == window() && window()->isVisible();
}

void ChoiceCombo::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    if (reclaiming || !leftForAnotherControl(*event) || items().contains(currentText())
        || (m_optional && currentText().isEmpty()))
        return;
    QPointer<ChoiceCombo> self = this;
    m_app.message(m_leaveMessage, MessageIcon::Information, m_title);
    if (!self)
        return;
    setEditText(QString());
    reclaiming = this;
    setFocus(Qt::OtherFocusReason);
    reclaiming = nullptr;
}
