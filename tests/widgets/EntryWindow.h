// SPDX-License-Identifier: MIT
// A bare window standing in for an editor: it carries the editor's name, so the input widgets
// placed on it behave as they do on that editor.
#pragma once

#include "support/TestProgram.h"
#include "widgets/ChoiceCombo.h"
#include "widgets/DateCombo.h"
#include "widgets/Frm_Calendar.h"
#include "widgets/TimeCombo.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QWidget>

class EntryWindow
{
public:
    EntryWindow(Orrisday &app, const QString &name) : m_app(app.context())
    {
        window.setObjectName(name);
        window.resize(520, 420);
        window.move(230, 170);
    }

    DateCombo *date(const QString &name, const QString &text = {})
    {
        auto *combo = new DateCombo(m_app, name, &window);
        combo->setEditText(text);
        return combo;
    }

    TimeCombo *time(const QString &name, const QString &hours = QStringLiteral("List1"),
                    const QString &minutes = QStringLiteral("List2"))
    {
        return new TimeCombo(m_app, name, hours, minutes, &window);
    }

    ChoiceCombo *choice(const QString &name, const QStringList &items,
                        ChoiceCombo::Typing typing = ChoiceCombo::Typing::Allowed)
    {
        return new ChoiceCombo(m_app, name, items, &window, typing);
    }

    /// A plain control for the focus to move to.
    QLineEdit *field() { return new QLineEdit(&window); }

    /// Shows the window and makes it the active one, so that focus changes happen as for a user.
    bool showActive()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    QWidget window;

private:
    AppContext &m_app;
};

/// The messages expected after an action: the one named, or none when its text is empty.
inline QList<ShownMessage> messageIfAny(const QString &text, MessageIcon icon, const QString &title)
{
    if (text.isEmpty())
        return {};
    return {ShownMessage{text, icon, title}};
}

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
