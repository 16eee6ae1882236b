// SPDX-License-Identifier: MIT
// A bare window standing in for an editor: it carries the editor's name, so the input widgets
// placed on it behave as they do on that editor.
#pragma once

#include "widgets/Frm_Calendar.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QTableView>
#include <QTest>
#include <QWidget>

class EntryWindow
{
public:
    explicit EntryWindow(const QString &name)
    {
        window.setObjectName(name);
        window.resize(520, 420);
        window.move(230, 170);
    }

    /// Shows the window and makes it the active one, so that focus changes happen as for a user.
    bool showActive()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    QWidget window;
};

/// The calendar pop-up when it is open.
inline Frm_Calendar *openCalendar()
{
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *popup = qobject_cast<Frm_Calendar *>(top); popup && popup->isVisible())
            return popup;
    return nullptr;
}

/// The day cells of the pop-up's calendar.
inline QTableView *dayCells(Frm_Calendar *popup)
{
    return popup->calendar()->findChild<QTableView *>();
}

/// Picks a day in the open pop-up as a user does: the page turned to the day, then a click on it.
inline void clickDay(QDate day)
{
    Frm_Calendar *popup = openCalendar();
    QVERIFY2(popup, "no calendar pop-up is open");
    popup->calendar()->setSelectedDate(day);
    QTableView *cells = dayCells(popup);
    QVERIFY(cells);
    QTest::mouseClick(cells->viewport(), Qt::LeftButton, {}, cells->visualRect(cells->currentIndex()).center());
}
