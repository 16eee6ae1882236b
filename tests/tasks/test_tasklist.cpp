// SPDX-License-Identifier: MIT
#include "TaskSteps.h"

#include "app/Orrisday.h"
#include "reminders/ReminderScan.h"
#include "widgets/ChoiceCombo.h"
#include "widgets/DateCombo.h"
#include "widgets/ImageButton.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>

using store::Table;

class TestTaskList : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_program;

    TestProgram &p() { return *m_program; }
    store::Database &db() { return p().seed(); }
    QWidget *list() { return loadedWindow(p(), QStringLiteral("Frm_Task")); }
    QWidget *editor() { return loadedWindow(p(), QStringLiteral("FrmTask_Info")); }
    void click(const QString &name) { clickOn(findIn<QWidget>(list(), name)); }
    QString selectionText(int box) const
    {
        return findIn<QLineEdit>(m_program->app().windows().find("Frm_Task"), QStringLiteral("Text%1").arg(box))
            ->text();
    }

    /// Names in a grid: each priority row followed by its tasks, indented.
    QStringList gridLines(const QString &gridName)
    {
        auto *grid = findIn<GroupedGrid>(list(), gridName);
        QStringList lines;
        for (int i = 0; i < grid->topLevelItemCount(); ++i) {
            QTreeWidgetItem *group = grid->topLevelItem(i);
            lines << group->text(0);
            for (int j = 0; j < group->childCount(); ++j)
                lines << QStringLiteral("  ") + group->child(j)->text(2);
        }
        return lines;
    }

private slots:
    void init()
    {
        m_program = std::make_unique<TestProgram>();
        db();
    }
    void cleanup() { m_program.reset(); }

    void gridsGroupByPriorityInCodeOrderAndSwapByCategory()
    {
        seedTask(db(), 5, QStringLiteral("Budget"), 0, "Business", "Low");
        seedTask(db(), 2, QStringLiteral("Call bank"), 0, "Business", "Urgent");
        seedTask(db(), 3, QStringLiteral("Gym"), 0, "Personal", "High");
        seedTask(db(), 1, QStringLiteral("Agenda"), 0, "Business", "Low");
        p().start();
        openTaskList(p());

        QCOMPARE(gridLines("MSHFlexGrid1"), QStringList({ "Low", "  Agenda", "  Budget", "Urgent", "  Call bank" }));
        QCOMPARE(gridLines("MSHFlexGrid2"), QStringList({ "High", "  Gym" }));
        auto *grid = findIn<GroupedGrid>(list(), "MSHFlexGrid1");
        QVERIFY(grid->isColumnHidden(1)); // CODE
        QVERIFY(grid->isColumnHidden(7)); // category
        QVERIFY(!grid->isColumnHidden(2)); // Name

        auto *category = findIn<ChoiceCombo>(list(), "cmbcategory");
        QCOMPARE(category->currentText(), QStringLiteral("Business"));
        QVERIFY(grid->isVisible());
        QVERIFY(!findIn<GroupedGrid>(list(), "MSHFlexGrid2")->isVisible());
        category->setFocus();
        QTest::keyClick(category, Qt::Key_Up);
        QCOMPARE(category->currentText(), QStringLiteral("Personal"));
        QVERIFY(!grid->isVisible());
        QVERIFY(findIn<GroupedGrid>(list(), "MSHFlexGrid2")->isVisible());
    }

    void aCategoryThatIsNoItemIsRefusedOnLeaving()
    {
        p().start();
        openTaskList(p());
        auto *category = findIn<ChoiceCombo>(list(), "cmbcategory");
        list()->activateWindow();
        category->setFocus();
        QTRY_VERIFY(category->hasFocus());
        category->clearEditText();
        QTest::keyClicks(category, "business");
        findIn<GroupedGrid>(list(), "MSHFlexGrid1")->setFocus();
        QCOMPARE(p().fakes.dialogs->shown,
            QList<ShownMessage>({ { "Please Enter the value from list", MessageIcon::Information, "Orrisdaye" } }));
        QCOMPARE(category->currentText(), QString());
        QTRY_VERIFY(category->hasFocus());
    }

    void gridClickSelectsNameDateAndTime()
    {
        seedTask(db(), 1, QStringLiteral("Agenda"));
        p().start();
        openTaskList(p());
        clickGridRow(list(), "MSHFlexGrid1", "Agenda");
        QCOMPARE(selectionText(1), QStringLiteral("Agenda"));
        QCOMPARE(selectionText(2), QStringLiteral("12/7/2026"));
        QCOMPARE(selectionText(3), QStringLiteral("9:00:00"));

        // A priority row holds none of these.
        auto *grid = findIn<GroupedGrid>(list(), "MSHFlexGrid1");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->topLevelItem(0)).center());
        QCOMPARE(selectionText(1), QString());
        QCOMPARE(selectionText(2), QString());
    }

    void newOpensAnEmptyEditorWithTodayAndNow()
    {
        p().fakes.clock->set(QDate(2027, 3, 5), QTime(8, 7, 11));
        p().start();
        openTaskList(p());
        click("lblnew");
        QVERIFY(!list());
        QVERIFY(editor() && editor()->isVisible());
        QCOMPARE(p().app().windows().marker(), QStringLiteral("FrmTask_Info"));
        QCOMPARE(findIn<DateCombo>(editor(), "cmbdate")->currentText(), QStringLiteral("3/5/2027"));
        QCOMPARE(findIn<TimeCombo>(editor(), "cmbtime")->currentText(), QStringLiteral("8  :  7"));
        QVERIFY(findIn<QWidget>(editor(), "lblsave")->isVisible());
        QVERIFY(!findIn<QWidget>(editor(), "lblupdate")->isVisible());
        QVERIFY(findIn<QLineEdit>(editor(), "txtname")->text().isEmpty());
    }

    void editOpensTheFirstMatchWithItsReminder()
    {
        seedTask(db(), 1, QStringLiteral("Dentist"), 4, "Business", "High", "first");
        seedTask(db(), 2, QStringLiteral("Dentist"), 0, "Business", "High", "second");
        seedReminder(db(), 4, "12/9/2026", "7 : 5 : 3", "/snd/a.wav", "Bring card", "/bin/app");
        p().start();
        openTaskList(p());
        clickGridRow(list(), "MSHFlexGrid1", "Dentist");
        click("lbledit");

        QVERIFY(!list());
        QWidget *e = editor();
        QVERIFY(e && e->isVisible());
        QVERIFY(!findIn<QWidget>(e, "lblsave")->isVisible());
        QVERIFY(findIn<QWidget>(e, "lblupdate")->isVisible());
        QCOMPARE(findIn<QLineEdit>(e, "txtdesp")->text(), QStringLiteral("first"));
        QCOMPARE(findIn<TimeCombo>(e, "cmbtime")->currentText(), QStringLiteral("9:00:00"));
        QCOMPARE(findIn<ChoiceCombo>(e, "cmbpriority")->currentText(), QStringLiteral("High"));
        QVERIFY(findIn<QCheckBox>(e, "remcheck")->isChecked());
        QVERIFY(findIn<QWidget>(e, "cmdadv")->isEnabled());
        QCOMPARE(findIn<DateCombo>(e, "cmbremdate")->currentText(), QStringLiteral("12/9/2026"));
        QCOMPARE(findIn<TimeCombo>(e, "cmbremtime")->currentText(), QStringLiteral("7:05:03"));
        const QStringList boxes { "Text1", "Text2", "Text3", "Text4", "Text5", "Text6" };
        QStringList texts;
        for (const QString &box : boxes)
            texts << findIn<QLineEdit>(e, box)->text();
        QCOMPARE(texts, QStringList({ "/snd/a.wav", "Bring card", "/bin/app", "Dentist", "12/7/2026", "9:00:00" }));
    }

    void editOrDeleteWithoutSelectionAsksForOne_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("title");
        QTest::newRow("edit") << "lbledit"
                              << " Orrisday";
        QTest::newRow("delete") << "lblDelete"
                                << " Orrisdaye";
    }
    void editOrDeleteWithoutSelectionAsksForOne()
    {
        QFETCH(QString, button);
        QFETCH(QString, title);
        seedTask(db(), 1, QStringLiteral("Agenda"));
        p().start();
        openTaskList(p());
        QWidget *before = list();
        click(button);
        QCOMPARE(p().fakes.dialogs->shown,
            QList<ShownMessage>({ { " Please Select The Item", MessageIcon::Information, title } }));
        QCOMPARE(list(), before);
        QVERIFY(before->isVisible());
        QCOMPARE(tableTexts(db(), Table::Task).size(), 1);
    }

    void editOfAStaleSelectionClosesTheList()
    {
        seedTask(db(), 1, QStringLiteral("Agenda"));
        p().start();
        openTaskList(p());
        clickGridRow(list(), "MSHFlexGrid1", "Agenda");
        db().run(QStringLiteral("DELETE FROM TASK_INFO"));
        click("lbledit");
        QVERIFY(!list());
        QVERIFY(!editor());
        QVERIFY(p().fakes.dialogs->shown.isEmpty());
    }

    void deleteRemovesEveryMatchAndOneReminderRowEach()
    {
        seedTask(db(), 1, QStringLiteral("Dentist"), 1);
        seedTask(db(), 2, QStringLiteral("Agenda"), 2);
        seedTask(db(), 3, QStringLiteral("Dentist"), 3);
        seedReminder(db(), 1);
        seedReminder(db(), 2);
        seedReminder(db(), 1, QStringLiteral("1/1/2027"));
        seedReminder(db(), 3);
        p().start();
        QSignalSpy reloads(&p().app().mainWindow(), &Frm_Main::reloaded);
        openTaskList(p());
        QWidget *before = list();
        clickGridRow(list(), "MSHFlexGrid1", "Dentist");
        click("lblDelete");

        QCOMPARE(p().fakes.dialogs->shown,
            QList<ShownMessage>({ { " TASK DELETED SUCCESSFULLY", MessageIcon::Information, "Orrisdaye" } }));
        const QList<QStringList> tasks = tableTexts(db(), Table::Task);
        QCOMPARE(tasks.size(), 1);
        QCOMPARE(tasks.value(0).value(1), QStringLiteral("Agenda"));
        QList<QStringList> reminders = tableTexts(db(), Table::Reminder);
        QCOMPARE(reminders.size(), 2);
        QCOMPARE(reminders.value(0).value(0), QStringLiteral("2"));
        QCOMPARE(reminders.value(1).value(1), QStringLiteral("1/1/2027"));
        // The main window and a fresh list read the store again.
        QCOMPARE(reloads.count(), 1);
        QVERIFY(list() && list() != before && list()->isVisible());
        QCOMPARE(gridLines("MSHFlexGrid1"), QStringList({ "High", "  Agenda" }));
        QCOMPARE(p().app().windows().marker(), QStringLiteral("Frm_Task"));
    }

    void deleteOfAStaleSelectionDeletesNothing()
    {
        seedTask(db(), 1, QStringLiteral("Agenda"));
        p().start();
        openTaskList(p());
        QWidget *before = list();
        clickGridRow(list(), "MSHFlexGrid1", "Agenda");
        db().run(QStringLiteral("UPDATE TASK_INFO SET TASK_NAME = 'Renamed'"));
        click("lblDelete");
        QCOMPARE(p().fakes.dialogs->shown,
            QList<ShownMessage>({ { " Please Select The Item", MessageIcon::Information, " Orrisdaye" } }));
        QCOMPARE(list(), before);
        QCOMPARE(tableTexts(db(), Table::Task).size(), 1);
    }

    void aStoreFailureInEditOrDeleteLeavesTheListAsItIs_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::newRow("edit") << "lbledit"
                              << "The task could not be opened. Please try again.";
        QTest::newRow("delete") << "lblDelete"
                                << "The task could not be deleted. Please try again.";
    }
    void aStoreFailureInEditOrDeleteLeavesTheListAsItIs()
    {
        QFETCH(QString, button);
        QFETCH(QString, message);
        seedTask(db(), 1, QStringLiteral("Agenda"));
        p().start();
        openTaskList(p());
        QWidget *before = list();
        clickGridRow(list(), "MSHFlexGrid1", "Agenda");
        db().run(QStringLiteral("ALTER TABLE TASK_INFO RENAME TO TASK_INFO_AWAY"));
        click(button);
        QCOMPARE(p().fakes.dialogs->shown, QList<ShownMessage>({ { message, MessageIcon::Warning, "Orrisday" } }));
        QCOMPARE(list(), before);
        QVERIFY(before->isVisible());
        QVERIFY(!editor());
        QVERIFY(p().app().mainWindow().reminderScan().isActive());
    }

    void theScanIsHeldOffDuringADeleteAndRunsAfterwards_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("deleted") << "Agenda";
        QTest::newRow("nothing matched") << "Renamed";
    }
    void theScanIsHeldOffDuringADeleteAndRunsAfterwards()
    {
        QFETCH(QString, name);
        seedTask(db(), 1, QStringLiteral("Agenda"));
        p().start();
        ReminderScan &scan = p().app().mainWindow().reminderScan();
        QVERIFY(scan.isActive());
        openTaskList(p());
        clickGridRow(list(), "MSHFlexGrid1", "Agenda");
        db().run(QStringLiteral("UPDATE TASK_INFO SET TASK_NAME = ?"), { name });
        QList<bool> runningWhileAsked;
        p().fakes.dialogs->onMessage = [&] { runningWhileAsked << scan.isActive(); };
        click("lblDelete");
        QCOMPARE(runningWhileAsked, QList<bool>({ false }));
        QVERIFY(scan.isActive());
    }

    void cancelClosesTheListAndEmptiesTheMarker()
    {
        p().start();
        openTaskList(p());
        click("lblTaskCancel");
        QVERIFY(!list());
        QCOMPARE(p().app().windows().marker(), QString());
    }
};

QTEST_MAIN(TestTaskList)
#include "test_tasklist.moc"
