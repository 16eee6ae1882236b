// SPDX-License-Identifier: MIT
// How the date, time and choice combos answer a typed key: the message shown, what becomes of the
// text, and whether the key still lands. Date and time combos take their rule from one table,
// looked up by their window's name and their own name.
#pragma once

#include "platform/Services.h"

#include <QList>
#include <QString>
#include <optional>

class QKeyEvent;

enum class TextAfterKey { Kept, Emptied, OneBlank };

struct KeyRule
{
    QString window;  ///< objectName of the owning window
    QString combo;   ///< objectName of the combo
    QString message;
    QString title;   ///< empty: the application title
    MessageIcon icon;
    TextAfterKey text;
    bool cancelsKey; ///< the typed character does not land in the combo
};

/// The rules of every date and time combo that answers typed keys.
const QList<KeyRule> &comboKeyRules();

/// The rule of a combo on a window; nothing when that combo has no key handling.
std::optional<KeyRule> keyRuleFor(const QString &window, const QString &combo);

/// Whether the key press types something: a character, Backspace, Enter, Escape or a control
/// character. Moving the focus (Tab), cursor and function keys type nothing.
bool isTypedKey(const QKeyEvent &event);
