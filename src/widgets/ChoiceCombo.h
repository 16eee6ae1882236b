// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>

class AppContext;

/// A fixed-choice combo (category, priority, status): filled with its items, nothing preselected.
/// Leaving it with a text that is no item shows "Please Enter the value from list", empties it and
/// takes the focus back. A combo that refuses typing first answers every typed key with
/// "Please Do not Enter Any data" and sets its text to one blank.
class ChoiceCombo final : public QComboBox
{
    Q_OBJECT
public:
    enum class Typing { Allowed, Refused };

    ChoiceCombo(AppContext &app, const QString &objectName, const QStringList &items, QWidget *parent,
                Typing typing = Typing::Allowed);

    void setTyping(Typing typing) { m_typing = typing; }

    /// The items the combo accepts.
    QStringList items() const;

    /// An optional combo (a priority) may be left empty; a text that is no item is still refused.
    void setOptional(bool optional) { m_optional = optional; }

    /// Replaces the texts of the leave check's and the refused key's messages, for the windows
    /// that word them otherwise.
    void setMessages(const QString &leaveMessage, const QString &typingMessage, const QString &title);

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    /// Whether the focus went from this combo to another control of its window.
    bool leftForAnotherControl(const QFocusEvent &event) const;

    AppContext &m_app;
    Typing m_typing;
    bool m_optional = false;
    QString m_leaveMessage = QStringLiteral("Please Enter the value from list");
    QString m_typingMessage = QStringLiteral("Please Do not Enter Any data");
    QString m_title = QStringLiteral("Orrisdaye");
};
