// SPDX-License-Identifier: MIT
#pragma once

#include "store/RepeatRule.h"
#include "widgets/RecordWindow.h"

class DateCombo;
class QCheckBox;
class QComboBox;
class QRadioButton;
class QSpinBox;

/// The custom repeat dialog: every n days, weeks, months or years, the weekdays of a weekly rule,
/// the day a monthly rule keeps, and the end. It stands over its editor, which waits for it; OK
/// or Enter gives the rule, Cancel or Escape gives nothing.
class Frm_Repeat final : public RecordWindow
{
    Q_OBJECT
public:
    /// A dialog for a series starting on `start`, preset from a rule.
    Frm_Repeat(AppContext &app, QWidget *editor, QDate start, const store::RepeatRule &preset);

    /// The rule the controls say.
    store::RepeatRule rule() const;

public slots:
    void ok();
    void cancel();

signals:
    void chosen(const store::RepeatRule &rule);
    void cancelled();

private:
    void preset(const store::RepeatRule &rule);
    /// Only the controls of the chosen frequency and end are enabled.
    void enableChoices();
    /// Whether the end date is a day on or after the start; says so when it is not.
    bool endDateAccepted();

protected:
    /// A dialog closed without an answer is cancelled.
    void closeEvent(QCloseEvent *event) override;

private:

    QDate m_start;
    QSpinBox *spninterval;
    QComboBox *cmbfrequency;
    QList<QCheckBox *> m_weekdays; ///< Monday first
    QComboBox *cmbmonthly;
    QRadioButton *Opnever;
    QRadioButton *Opuntil;
    DateCombo *cmbuntil;
    QRadioButton *Opcount;
    QSpinBox *spncount;
    ImageButton *lblok;
    ImageButton *lblcancel;
    bool m_answered = false;
};
