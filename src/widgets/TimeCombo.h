// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>

class AppContext;
class QListWidget;

/// A time field: its drop-down is replaced by an hour list (0-23) and a minute list (0-59) with
/// their own names, side by side in a pop-up over the combo, which may stand past the window's
/// edge. A minute click completes a pick: the combo shows "H : M" and the picked time becomes
/// "H : M : S" with the clock's seconds. A time typed or pasted into the box replaces the pick.
class TimeCombo final : public QComboBox
{
    Q_OBJECT
public:
    TimeCombo(AppContext &app, const QString &objectName, const QString &hourListName,
              const QString &minuteListName, QWidget *parent);

    QListWidget *hourList() const { return m_hours; }
    QListWidget *minuteList() const { return m_minutes; }

    /// The time to store: the picked time "H : M : S", or what the user typed or pasted into the
    /// box since the last pick (unless the box was emptied).
    QString pickedTime() const;
    void setPickedTime(const QString &picked);

    /// Selects the current hour and minute in the lists; the minute selection counts as a pick.
    void preselectNow();

    void showPopup() override;
    void hidePopup() override;

signals:
    /// A minute was picked, or a time typed.
    void picked();

private:
    void pickMinute();
    /// The lists closed without a pick (a click elsewhere): the combo comes back as it was.
    void listsClosed();

    AppContext &m_app;
    QWidget *m_popup;
    QListWidget *m_hours;
    QListWidget *m_minutes;
    QString m_picked;
    bool m_typed = false;
};
