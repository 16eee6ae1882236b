// SPDX-License-Identifier: MIT
// Steps shared by the task tests: seeding rows, opening the list and driving its windows.
#pragma once

#include "app/Frm_Main.h"
#include "context/RecordWindows.h"
#include "support/StoreRows.h"
#include "support/TestProgram.h"
#include "widgets/GroupedGrid.h"
#include "widgets/TimeCombo.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidgetItem>

inline QWidget *openTaskList(TestProgram &p)
{
    return p.app().windows().open(QStringLiteral("Frm_Task"));
}

/// Sets the text of a line edit, or the edit text of a combo box, of a window.
inline void enterText(QWidget *window, const QString &name, const QString &text)
{
    if (auto *edit = findIn<QLineEdit>(window, name))
        edit->setText(text);
    else if (auto *combo = findIn<QComboBox>(window, name))
        combo->setEditText(text);
    else
        QFAIL(qPrintable(QStringLiteral("no text control ") + name));
}

/// The loaded window of a key, with its deleted predecessors gone.
inline QWidget *loadedWindow(TestProgram &p, const QString &key)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return p.app().windows().find(key);
}

/// Clicks the grid row that shows the name.
inline void clickGridRow(QWidget *list, const QString &gridName, const QString &name)
{
    auto *grid = findIn<GroupedGrid>(list, gridName);
    QVERIFY(grid);
    QTreeWidgetItem *row = grid->findRecordRow(2, name);
    QVERIFY2(row, qPrintable(QStringLiteral("no row shows ") + name));
    grid->scrollToItem(row);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(row).center());
}

/// Picks a time in a time combo: the hour, then the minute, as the user clicks them.
inline void pickTime(TimeCombo *combo, int hour, int minute)
{
    QVERIFY(combo);
    QListWidget *hours = combo->hourList();
    QListWidget *minutes = combo->minuteList();
    QCOMPARE(minutes->count(), 60);
    combo->showPopup();
    hours->setCurrentRow(hour);
    minutes->scrollToItem(minutes->item(minute));
    QTest::mouseClick(minutes->viewport(), Qt::LeftButton, {}, minutes->visualItemRect(minutes->item(minute)).center());
}
