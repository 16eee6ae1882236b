// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>
#include <QPointer>

class AppContext;

/// A date field: its drop-down opens the calendar pop-up over the owning window's top-left
/// corner; a pick there writes the date text M/D/YYYY. Typed keys are answered as the key
/// table of the owning window says (see KeyRules).
class DateCombo final : public QComboBox
{
    Q_OBJECT
public:
    DateCombo(AppContext &app, const QString &objectName, QWidget *parent);

    /// A picked date earlier than the base's refused with "Please enter the correct Date".
    void requireNotBefore(DateCombo *base);
    /// A picked date later than the base's (or the fallback's, while the base is empty) refused
    /// with "Please enter the valid Date".
    void requireNotAfter(DateCombo *base, DateCombo *fallbackBase = nullptr);

    /// Takes a date picked in the calendar pop-up: writes it, then makes the order check.
    void acceptPick(const QString &dateText);

    void showPopup() override;
    void hidePopup() override;

private:
    /// Whether the picked date keeps the order with the bases; a base that holds no date
    /// gives nothing to compare with and lets every date pass.
    bool keepsOrder(const QString &dateText);

    AppContext &m_app;
    QPointer<DateCombo> m_notBefore;
    QPointer<DateCombo> m_notAfter;
    QPointer<DateCombo> m_notAfterFallback;
};
