// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/RecordWindow.h"

class AppContext;
class QCalendarWidget;
class QLineEdit;
class ImageButton;

/// The calendar pop-up. Text2 names the requesting date combo; a pick routes the date text
/// M/D/YYYY to the combo of that name on the requesting window. A name that is no date combo
/// leaves the pop-up open.
class Frm_Calendar final : public RecordWindow
{
    Q_OBJECT
public:
    Frm_Calendar(AppContext &app, QWidget *requester);

    /// Shows the pop-up for the named combo of the requesting window, over its top-left corner.
    static Frm_Calendar *openFor(AppContext &app, QWidget *requestingWindow, const QString &comboName);

    QCalendarWidget *calendar() const { return Calendar1; }
    QWidget *requester() const { return m_requester; }

public slots:
    /// The user picked a day.
    void pick(QDate day);

private:
    QWidget *m_requester;
    QCalendarWidget *Calendar1;
    QLineEdit *Text1;
    QLineEdit *Text2;
    ImageButton *imgX;
};
