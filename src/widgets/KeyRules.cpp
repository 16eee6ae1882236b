// SPDX-License-Identifier: MIT
#include "widgets/KeyRules.h"

#include <QKeyEvent>

namespace {

KeyRule rule(const char *window, const char *combo, const char *message, const char *title, MessageIcon icon,
             TextAfterKey text, bool cancelsKey)
{
    return KeyRule{QString::fromLatin1(window), QString::fromLatin1(combo), QString::fromLatin1(message),
                   QString::fromLatin1(title), icon, text, cancelsKey};
}

} // namespace

const QList<KeyRule> &comboKeyRules()
{
    using enum TextAfterKey;
    constexpr auto Info = MessageIcon::Information;
    static const QList<KeyRule> rules{
        rule("frmtask_info", "cmbdate", "Please do not entry any data", "Orrisdaye", Info, Emptied, false),
        rule("frmtask_info", "cmbremdate", " Please Do not Enter Any Data", "Orrisdaye", Info, Emptied, true),
        rule("frmtask_info", "cmbtime", "Please Do not Enter Any Data", "Orrisdaye", Info, Kept, false),
        rule("frmtask_info", "cmbremtime", "Please Do not Enter Any Data", "Orrisdaye", Info, Kept, false),
        rule("frmschedule_info", "cmbstartdate", "Please dont entry any data", "", MessageIcon::None, Emptied, false),
        rule("frmschedule_info", "cmbduedate", "Please do not entry any data", "Orrisdaye", Info, Emptied, false),
        rule("frmschedule_info", "cmbduetime", "Please do not entry any data", "Orrisdaye", Info, Emptied, false),
        rule("frmschedule_info", "cmbrem1date", "Please do not entry any data", "Orrisdaye", Info, Emptied, false),
        rule("frmschedule_info", "cmbremtime", "Please dont entry any data", "Orrisdaye", Info, Emptied, false),
        rule("frmnote_info", "cmbnotedate", "Please Do not Enter Any data", "Orrisdaye", Info, Kept, false),
    };
    return rules;
}

std::optional<KeyRule> keyRuleFor(const QString &window, const QString &combo)
{
    for (const KeyRule &rule : comboKeyRules())
        if (rule.window == window && rule.combo == combo)
            return rule;
    return std::nullopt;
}

bool isTypedKey(const QKeyEvent &event)
{
    if (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab || event.key() == Qt::Key_Delete)
        return false;
    return !event.text().isEmpty();
}
