// SPDX-License-Identifier: MIT
// Steps shared by the task tests: seeding rows, opening the list and driving its windows.
#pragma once

#include "app/Frm_Main.h"
#include "app/RecordWindows.h"
#include "store/Database.h"
#include "support/TestProgram.h"
#include "widgets/GroupedGrid.h"
#include "widgets/TimeCombo.h"

#include <QListWidget>
#include <QTreeWidgetItem>

inline void seedTask(store::Database &db, qint64 code, const QString &name, qint64 remNo = 0,
    const QString &category = QStringLiteral("Business"), const QString &priority = QStringLiteral("High"),
    const QString &description = QStringLiteral("notes"), const QString &date = QStringLiteral("12/7/2026"),
    const QString &time = QStringLiteral("9 : 0 : 0"))
{
    db.insert(store::Table::Task,
        { { 0, code }, { 1, name }, { 2, description }, { 3, date }, { 4, time }, { 5, QStringLiteral("Not Started") },
            { 6, priority }, { 7, category }, { 8, remNo } });
}

inline void seedReminder(store::Database &db, qint64 remNo, const QString &date = QStringLiteral("12/8/2026"),
    const QString &time = QStringLiteral("8 : 15 : 20"), const QString &sound = QStringLiteral("No Sound"),
    const QString &message = QStringLiteral("Please Check This Out"), const QString &program = QStringLiteral("No Prg"))
{
    db.insert(store::Table::Reminder,
        { { 0, remNo }, { 1, date }, { 2, time }, { 3, sound }, { 4, message }, { 5, program } });
}

/// Column texts of every row of a table, in table order.
inline QList<QStringList> tableTexts(store::Database &db, store::Table table)
{
    QList<QStringList> rows;
    for (const store::Record &row : db.records(table)) {
        QStringList texts;
        for (int i = 0; i < row.values.size(); ++i)
            texts << row.text(i);
        rows << texts;
    }
    return rows;
}

inline QWidget *openTaskList(TestProgram &p)
{
    return p.app().windows().open(QStringLiteral("Frm_Task"));
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
