// SPDX-License-Identifier: MIT
#pragma once

#include "store/RepeatRule.h"

#include <QComboBox>
#include <QPointer>

class AppContext;
class DateCombo;
class Frm_Repeat;

/// How a task or schedule repeats: "Does not repeat", "Daily", "Weekly", "Monthly", "Yearly" or
/// "Custom…", which opens the custom dialog. A rule no fixed item means is shown in words as an
/// item of its own before "Custom…", and chosen. The rule follows the start date of its editor.
class RepeatCombo final : public QComboBox
{
    Q_OBJECT
public:
    RepeatCombo(AppContext &app, const QString &objectName, DateCombo *start, QWidget *parent);

    /// The chosen rule; none when the record happens once.
    std::optional<store::RepeatRule> rule() const;
    void setRule(const std::optional<store::RepeatRule> &rule);

    /// The custom dialog while it is open.
    Frm_Repeat *customDialog() const;

public slots:
    /// Opens the custom dialog, preset from the chosen rule.
    void chooseCustom();

private:
    void choose(int index);
    /// The day the editor's start date names; today while it names none.
    QDate startDate() const;
    /// The index of the item that words the custom rule; -1 without one.
    int customIndex() const;
    /// Words the custom rule anew for the start date.
    void showCustomWords();

    AppContext &m_app;
    DateCombo *m_start;
    std::optional<store::RepeatRule> m_custom;
    int m_chosen = 0;
    QPointer<Frm_Repeat> m_dialog;
};
