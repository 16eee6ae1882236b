// SPDX-License-Identifier: MIT
// Steps shared by the record window tests: entering texts, clicking grid rows, picking times.
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

/// Clicks the grid row that shows the name (in the given column).
inline void clickGridRow(QWidget *list, const QString &gridName, const QString &name, int nameColumn = 2)
{
    auto *grid = findIn<GroupedGrid>(list, gridName);
    QVERIFY(grid);
    QTreeWidgetItem *row = grid->findRecordRow(nameColumn, name);
    QVERIFY2(row, qPrintable(QStringLiteral("no row shows ") + name));
    grid->scrollToItem(row);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(row).center());
}

/// Names in a grouped grid: each group's row followed by its records' names, indented.
inline QStringList groupedNames(GroupedGrid *grid, int nameColumn = 2)
{
    QStringList lines;
    for (int i = 0; i < grid->topLevelItemCount(); ++i) {
        QTreeWidgetItem *group = grid->topLevelItem(i);
        lines << group->text(0);
        for (int j = 0; j < group->childCount(); ++j)
            lines << "  " + group->child(j)->text(nameColumn);
    }
    return lines;
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

/// Texts of a window's boxes, in the order named.
inline QStringList boxTexts(QWidget *window, const QStringList &boxes)
{
    QStringList texts;
    for (const QString &box : boxes) {
        if (auto *edit = findIn<QLineEdit>(window, box))
            texts << edit->text();
        else if (auto *combo = findIn<QComboBox>(window, box))
            texts << combo->currentText();
    }
    return texts;
}

/// Runs one step on a window: "+N" moves the clock on N seconds, "box=text" enters a text,
/// "combo@H:MM" picks a time as the user clicks it, any other name clicks that control.
inline void runStep(QWidget *window, FakeClock &clock, const QString &step)
{
    if (step.startsWith('+')) {
        clock.advance(step.mid(1).toInt());
    } else if (step.contains('=')) {
        enterText(window, step.section('=', 0, 0), step.section('=', 1));
    } else if (step.contains('@')) {
        const QTime t = QTime::fromString(step.section('@', 1), "H:mm");
        pickTime(findIn<TimeCombo>(window, step.section('@', 0, 0)), t.hour(), t.minute());
    } else {
        QWidget *control = findIn<QWidget>(window, step);
        QVERIFY2(control, qPrintable("no control " + step));
        clickOn(control);
    }
}
