// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/KeyRules.h"

#include <QObject>
#include <functional>

class AppContext;
class QComboBox;

/// Answers the keys typed into an editable combo by a key rule. The combo hands typed keys on to
/// its line edit without filters, while keys sent to the line edit itself pass only its filters,
/// so the guard watches both and meets each key once.
class KeyGuard final : public QObject
{
    Q_OBJECT
public:
    using RuleSource = std::function<std::optional<KeyRule>()>;

    /// Guards the combo for its lifetime; keys are answered by the rule the source gives at the
    /// moment of the key, and pass untouched while it gives none.
    static void attach(AppContext &app, QComboBox *combo, RuleSource source);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    KeyGuard(AppContext &app, QComboBox *combo, RuleSource source);

    AppContext &m_app;
    QComboBox *m_combo;
    RuleSource m_source;
};
