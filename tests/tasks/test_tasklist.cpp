// SPDX-License-Identifier: MIT
#include "TaskSteps.h"

#include "reminders/ReminderScan.h"
#include "support/FreshProgramTest.h"
#include "widgets/ChoiceCombo.h"

#include <QCheckBox>
#include <QSignalSpy>

using store::Table;

class TestTaskList : public FreshProgramTest
{
    Q_OBJECT

    QWidget *list() { return loadedWindow(p(), "Frm_Task"); }
    QWidget *editor() { return loadedWindow(p(), "FrmTask_Info"); }
    GroupedGrid *grid(const QString &name) { return findIn<GroupedGrid>(list(), name); }
    void click(const QString &name) { clickOn(findIn<QWidget>(list(), name)); }
    QList<ShownMessage> &shown() { return fakes().dialogs->shown; }
    ReminderScan &scan() { return p().app().mainWindow().reminderScan(); }

    /// Starts the program and opens the list.
    QWidget *openList()
    {
        p().start();
        return openTaskList(p());
    }

private slots:
    void gridsGroupByPriorityInCodeOrderAndSwapByCategory()
    {
        seedTask(db(), 5, "Budget", 0, "Business", "Low");
        seedTask(db(), 2, "Call bank", 0, "Business", "Urgent");
        seedTask(db(), 3, "Gym", 0, "Personal", "High");
        seedTask(db(), 1, "Agenda", 0, "Business", "Low");
        openList();
        QCOMPARE(groupedNames(grid("MSHFlexGrid1")), QStringList({ "Low", "  Agenda", "  Budget", "Urgent", "  Call bank" }));
        QCOMPARE(groupedNames(grid("MSHFlexGrid2")), QStringList({ "High", "  Gym" }));
        GroupedGrid *business = grid("MSHFlexGrid1");
        QVERIFY(business->isColumnHidden(1) && business->isColumnHidden(7)); // code, category
        QVERIFY(!business->isColumnHidden(2)); // name

        auto *category = findIn<ChoiceCombo>(list(), "cmbcategory");
        QCOMPARE(category->currentText(), QStringLiteral("Business"));
        QVERIFY(business->isVisible() && !grid("MSHFlexGrid2")->isVisible());
        category->setFocus();
        QTest::keyClick(category, Qt::Key_Up);
        QCOMPARE(category->currentText(), QStringLiteral("Personal"));
        QVERIFY(!business->isVisible() && grid("MSHFlexGrid2")->isVisible());
    }

    void aCategoryThatIsNoItemIsRefusedOnLeaving()
    {
        openList();
        auto *category = findIn<ChoiceCombo>(list(), "cmbcategory");
        list()->activateWindow();
        category->setFocus();
        QTRY_VERIFY(category->hasFocus());
        category->clearEditText();
        QTest::keyClicks(category, "business");
        grid("MSHFlexGrid1")->setFocus();
        QCOMPARE(shown(),
            QList<ShownMessage>({ { "Please Enter the value from list", MessageIcon::Information, "Orrisdaye" } }));
        QCOMPARE(category->currentText(), QString());
        QTRY_VERIFY(category->hasFocus());
    }

    void gridClickSelectsNameDateAndTime()
    {
        seedTask(db(), 1, "Agenda");
        openList();
        clickGridRow(list(), "MSHFlexGrid1", "Agenda");
        QCOMPARE(boxTexts(list(), { "Text1", "Text2", "Text3" }), QStringList({ "Agenda", "12/7/2026", "9:00:00" }));
        // A priority row holds none of these.
        QTreeWidgetItem *priority = grid("MSHFlexGrid1")->topLevelItem(0);
        QTest::mouseClick(grid("MSHFlexGrid1")->viewport(), Qt::LeftButton, {},
            grid("MSHFlexGrid1")->visualItemRect(priority).center());
        QCOMPARE(boxTexts(list(), { "Text1", "Text2" }), QStringList({ "", "" }));
    }

    void newOpensAnEmptyEditorWithTodayAndNow()
    {
        fakes().clock->set(QDate(2027, 3, 5), QTime(8, 7, 11));
        openList();
        click("lblnew");
        QVERIFY(!list());
        QWidget *e = editor();
        QVERIFY(e && e->isVisible());
        QCOMPARE(p().app().windows().marker(), QStringLiteral("FrmTask_Info"));
        QCOMPARE(findIn<QComboBox>(e, "cmbdate")->currentText(), QStringLiteral("3/5/2027"));
        QCOMPARE(findIn<QComboBox>(e, "cmbtime")->currentText(), QStringLiteral("8  :  7"));
        QVERIFY(findIn<QWidget>(e, "lblsave")->isVisible() && !findIn<QWidget>(e, "lblupdate")->isVisible());
        QCOMPARE(findIn<QLineEdit>(e, "txtname")->text(), QString());
    }

    void editOpensTheFirstMatchWithItsReminder()
    {
        seedTask(db(), 1, "Dentist", 4, "Business", "High", "first");
        seedTask(db(), 2, "Dentist", 0, "Business", "High", "second");
        seedReminder(db(), 4, "12/9/2026", "7 : 5 : 3", "/snd/a.wav", "Bring card", "/bin/app");
        openList();
        clickGridRow(list(), "MSHFlexGrid1", "Dentist");
        click("lbledit");

        QVERIFY(!list());
        QWidget *e = editor();
        QVERIFY(e && e->isVisible());
        QVERIFY(!findIn<QWidget>(e, "lblsave")->isVisible() && findIn<QWidget>(e, "lblupdate")->isVisible());
        QCOMPARE(findIn<QLineEdit>(e, "txtdesp")->text(), QStringLiteral("first"));
        QCOMPARE(findIn<QComboBox>(e, "cmbtime")->currentText(), QStringLiteral("9:00:00"));
        QCOMPARE(findIn<QComboBox>(e, "cmbpriority")->currentText(), QStringLiteral("High"));
        QVERIFY(findIn<QCheckBox>(e, "remcheck")->isChecked() && findIn<QWidget>(e, "cmdadv")->isEnabled());
        QCOMPARE(findIn<QComboBox>(e, "cmbremdate")->currentText(), QStringLiteral("12/9/2026"));
        QCOMPARE(findIn<QComboBox>(e, "cmbremtime")->currentText(), QStringLiteral("7:05:03"));
        QCOMPARE(boxTexts(e, { "Text1", "Text2", "Text3", "Text4", "Text5", "Text6" }),
            QStringList({ "/snd/a.wav", "Bring card", "/bin/app", "Dentist", "12/7/2026", "9:00:00" }));
    }

    void editOrDeleteWithoutSelectionAsksForOne_data()
    {
        // clang-format off
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("title");
        QTest::newRow("edit") << "lbledit" << " Orrisday";
        QTest::newRow("delete") << "lblDelete" << " Orrisdaye";
        // clang-format on
    }
    void editOrDeleteWithoutSelectionAsksForOne()
    {
        QFETCH(QString, button);
        QFETCH(QString, title);
        seedTask(db(), 1, "Agenda");
        QWidget *before = openList();
        click(button);
        QCOMPARE(shown(), QList<ShownMessage>({ { " Please Select The Item", MessageIcon::Information, title } }));
        QCOMPARE(list(), before);
        QVERIFY(before->isVisible());
        QCOMPARE(tableTexts(db(), Table::Task).size(), 1);
    }

    void deleteRemovesEveryMatchAndOneReminderRowEach()
    {
        seedTask(db(), 1, "Dentist", 1);
        seedTask(db(), 2, "Agenda", 2);
        seedTask(db(), 3, "Dentist", 3);
        seedReminder(db(), 1);
        seedReminder(db(), 2);
        seedReminder(db(), 1, "1/1/2027");
        seedReminder(db(), 3);
        QWidget *before = openList();
        QSignalSpy reloads(&p().app().mainWindow(), &Frm_Main::reloaded);
        clickGridRow(list(), "MSHFlexGrid1", "Dentist");
        click("lblDelete");

        QCOMPARE(
            shown(), QList<ShownMessage>({ { " TASK DELETED SUCCESSFULLY", MessageIcon::Information, "Orrisdaye" } }));
        QCOMPARE(joinedRows(db(), Table::Task),
            QStringList { "2|Agenda|notes|12/7/2026|9:00:00|Not Started|High|Business|2" });
        QCOMPARE(joinedRows(db(), Table::Reminder),
            QStringList({ "2|12/8/2026|8:15:20|No Sound|Please Check This Out|No Prg",
                "1|1/1/2027|8:15:20|No Sound|Please Check This Out|No Prg" }));
        // The main window and a fresh list read the store again.
        QCOMPARE(reloads.count(), 1);
        QVERIFY(list() && list() != before && list()->isVisible());
        QCOMPARE(groupedNames(grid("MSHFlexGrid1")), QStringList({ "High", "  Agenda" }));
        QCOMPARE(p().app().windows().marker(), QStringLiteral("Frm_Task"));
    }

    void deleteHoldsTheScanWhileItAnswers_data()
    {
        // clang-format off
        QTest::addColumn<QString>("storedName"); // the selected task's name when Delete is clicked
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("tasksLeft");
        QTest::newRow("deleted") << "Agenda" << " TASK DELETED SUCCESSFULLY" << "Orrisdaye" << 0;
        QTest::newRow("stale selection: nothing deleted")
            << "Renamed" << " Please Select The Item" << " Orrisdaye" << 1;
        // clang-format on
    }
    void deleteHoldsTheScanWhileItAnswers()
    {
        QFETCH(QString, storedName);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(int, tasksLeft);
        seedTask(db(), 1, "Agenda");
        QWidget *before = openList();
        QVERIFY(scan().isActive());
        clickGridRow(list(), "MSHFlexGrid1", "Agenda");
        db().run("UPDATE TASK_INFO SET TASK_NAME = ?", { storedName });
        QList<bool> scanRunningWhileAnswering;
        fakes().dialogs->onMessage = [&] { scanRunningWhileAnswering << scan().isActive(); };
        click("lblDelete");
        QCOMPARE(shown(), QList<ShownMessage>({ { message, MessageIcon::Information, title } }));
        QCOMPARE(scanRunningWhileAnswering, QList<bool>({ false }));
        QVERIFY(scan().isActive());
        QCOMPARE(tableTexts(db(), Table::Task).size(), tasksLeft);
        QCOMPARE(list() == before, tasksLeft == 1); // a stale delete leaves the list as it is
    }

    void cancelClosesTheListAndEmptiesTheMarker()
    {
        openList();
        click("lblTaskCancel");
        QVERIFY(!list());
        QCOMPARE(p().app().windows().marker(), QString());
    }
};

QTEST_MAIN(TestTaskList)
#include "test_tasklist.moc"
