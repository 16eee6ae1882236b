// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class AppContext;
class DateCombo;
class QComboBox;
class TimeCombo;

/// The event tab of the options window: a computer event, its date and its time, stored for the
/// event trigger.
class EventSetup final : public QWidget
{
    Q_OBJECT
public:
    EventSetup(AppContext &app, QWidget *parent);

    /// Stores the chosen event for the date and time the boxes show, unless that moment has
    /// passed; the main window then reads the store again and the event box is emptied.
    void schedule();

private:
    /// Today's date and the current time into the boxes, the time as the one to store.
    void showNow();

    AppContext &m_app;
    QComboBox *cmbremname;
    DateCombo *cmbeventdate;
    TimeCombo *cmbeventtime;
};
