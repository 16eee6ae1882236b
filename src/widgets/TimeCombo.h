// SPDX-License-Identifier: MIT
#pragma once

#include <QComboBox>

class AppContext;
class QListWidget;

/// A time field: its drop-down is replaced by an hour list (0-23) and a minute list (0-59),
/// created as siblings of the combo with their own names. A minute click completes a pick: the
/// combo shows "H : M" and the picked time becomes "H : M : S" with the clock's seconds.
class TimeCombo final : public QComboBox
{
    Q_OBJECT
public:
    TimeCombo(AppContext &app, const QString &objectName, const QString &hourListName,
              const QString &minuteListName, QWidget *parent);

    QListWidget *hourList() const { return m_hours; }
    QListWidget *minuteList() const { return m_minutes; }

    /// The picked time "H : M : S", as the owning window stores it.
    QString pickedTime() const { return m_picked; }
    void setPickedTime(const QString &picked) { m_picked = picked; }

    /// Selects the current hour and minute in the lists; the minute selection counts as a pick.
    void preselectNow();

    void showPopup() override;
    void hidePopup() override;

signals:
    /// A minute was picked.
    void picked();

private:
    void pickMinute();
    /// Puts the lists over the combo, inside the window's edge.
    void placeLists();

    AppContext &m_app;
    QListWidget *m_hours;
    QListWidget *m_minutes;
    QString m_picked;
};
