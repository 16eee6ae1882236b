// SPDX-License-Identifier: MIT
#include "support/FreshProgramTest.h"
#include "support/RecordSteps.h"
#include "widgets/ChoiceCombo.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>

using store::Table;

class TestScheduleList : public FreshProgramTest
{
    Q_OBJECT

    QWidget *list() { return loadedWindow(p(), "Frm_Schedule"); }
    QWidget *editor() { return loadedWindow(p(), "FrmSchedule_Info"); }
    GroupedGrid *grid(const QString &name) { return findIn<GroupedGrid>(list(), name); }
    void click(const QString &name) { clickOn(findIn<QWidget>(list(), name)); }
    QList<ShownMessage> &shown() { return fakes().dialogs->shown; }

    QWidget *openList()
    {
        fakes().clock->set(QDate(2027, 3, 5), QTime(8, 7, 11));
        p().start();
        clickOn(findIn<QWidget>(&p().app().mainWindow(), "lblAgenda"));
        return list();
    }

private slots:
    void gridsGroupByPriorityInCodeOrderAndSwapByCategory()
    {
        seedSchedule(db(), 5, "Budget", 0, "Business", "Low");
        seedSchedule(db(), 2, "Call bank", 0, "Business", "Urgent");
        seedSchedule(db(), 3, "Gym", 0, "Personal", "High");
        seedSchedule(db(), 1, "Agenda", 0, "Business", "Low");
        QVERIFY(openList() && list()->isVisible());
        QCOMPARE(p().app().windows().marker(), QStringLiteral("Frm_Schedule"));
        QCOMPARE(groupedNames(grid("MSHFlexGrid1")), QStringList({ "Low", "  Agenda", "  Budget", "Urgent", "  Call bank" }));
        QCOMPARE(groupedNames(grid("MSHFlexGrid2")), QStringList({ "High", "  Gym" }));
        GroupedGrid *business = grid("MSHFlexGrid1");
        QStringList headings;
        for (int column = 0; column < business->columnCount(); ++column)
            headings << business->headerItem()->text(column);
        QCOMPARE(headings,
            QStringList({ "Priority", "CODE", "Name", "Description", "Start Date", "Start Time", "Due Date", "Due Time",
                "Status", "schedule_category", "Repeats" }));
        QTreeWidgetItem *agenda = business->topLevelItem(0)->child(0);
        QCOMPARE(business->cellTexts(agenda).mid(1),
            QStringList({ "1", "Agenda", "notes", "12/7/2026", "9:00:00", "12/7/2026", "10:00:00", "Not Started",
                "Business", "" }));
        for (int column : { 1, 2, 3, 4 })
            QCOMPARE(agenda->textAlignment(column), int(Qt::AlignLeft | Qt::AlignTop));

        auto *category = findIn<ChoiceCombo>(list(), "cmbcategory");
        QCOMPARE(category->items(), QStringList({ "Business", "Personal" }));
        QCOMPARE(category->currentText(), QStringLiteral("Business"));
        QVERIFY(business->isVisible() && !grid("MSHFlexGrid2")->isVisible());
        category->setCurrentIndex(1);
        emit category->activated(1);
        QVERIFY(!business->isVisible() && grid("MSHFlexGrid2")->isVisible());
    }

    void typingInTheCategoryIsAnswered()
    {
        openList();
        auto *category = findIn<ChoiceCombo>(list(), "cmbcategory");
        list()->activateWindow();
        category->setFocus();
        QTRY_VERIFY(category->hasFocus());
        QTest::keyClick(category, Qt::Key_B);
        grid("MSHFlexGrid1")->setFocus();
        QCOMPARE(shown(),
            QList<ShownMessage>({ { "Please do not enter any data", MessageIcon::Information, "Orrisday" },
                { "Please Select Value From List", MessageIcon::Information, "Orrisday" } }));
        QCOMPARE(category->currentText(), QString());
    }

    void newAndEditOpenTheEditorInTheirMode_data()
    {
        // clang-format off
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("dueDate"); // stored due date of "Meeting"
        QTest::addColumn<int>("remNo");       // its rem_no; reminder 4 is stored
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("shift");       // pixels right of the other record windows
        QTest::addColumn<QStringList>("shownTexts"); // start date, start time, due date, due time, reminder date, time
        QTest::addColumn<QList<bool>>("ticks"); // endcheck, remcheck
        QTest::newRow("new: today and now") << "lblnew" << "12/9/2026" << 0 << "New Schedule Information" << 0
            << QStringList { "3/5/2027", "8  :  7", "", "", "", "" } << QList<bool> { false, false };
        QTest::newRow("edit: its own end and reminder") << "lbledit" << "12/9/2026" << 4
            << "Edit Schedule Information" << 5
            << QStringList { "12/7/2026", "9:00:00", "12/9/2026", "10:00:00", "12/10/2026", "7:05:03" }
            << QList<bool> { true, true };
        QTest::newRow("edit: no end, reminder row gone") << "lbledit" << "1/3/1900" << 9
            << "Edit Schedule Information" << 5
            << QStringList { "12/7/2026", "9:00:00", "", "", "", "" } << QList<bool> { false, false };
        // clang-format on
    }
    void newAndEditOpenTheEditorInTheirMode()
    {
        QFETCH(QString, button);
        QFETCH(QString, dueDate);
        QFETCH(int, remNo);
        QFETCH(QString, title);
        QFETCH(int, shift);
        QFETCH(QStringList, shownTexts);
        QFETCH(QList<bool>, ticks);
        seedSchedule(db(), 1, "Meeting", remNo, "Business", "High", dueDate, "first");
        seedSchedule(db(), 2, "Meeting", 0, "Business", "High", dueDate, "second");
        seedReminder(db(), 4, "12/10/2026", "7 : 5 : 3", "/snd/a.wav", "Bring card", "/bin/app");
        openList();
        clickGridRow(list(), "MSHFlexGrid1", "Meeting");
        click(button);

        QVERIFY(!list());
        QWidget *e = editor();
        QVERIFY(e && e->isVisible());
        QCOMPARE(p().app().windows().marker(), QStringLiteral("FrmSchedule_Info"));
        QCOMPARE(findIn<QLabel>(e, "Label2")->text(), title);
        QCOMPARE(e->pos(), p().app().windows().place() + QPoint(shift, 0));
        const bool edit = button == "lbledit";
        QCOMPARE(findIn<QWidget>(e, "lblsave")->isVisible(), !edit);
        QCOMPARE(findIn<QWidget>(e, "lblupdate")->isVisible(), edit);
        QCOMPARE(boxTexts(e, { "cmbstartdate", "cmbstarttime", "cmbduedate", "cmbduetime", "cmbrem1date", "cmbremtime" }),
            shownTexts);
        QCOMPARE(QList<bool>({ findIn<QCheckBox>(e, "endcheck")->isChecked(), findIn<QCheckBox>(e, "remcheck")->isChecked() }),
            ticks);
        if (edit) {
            QCOMPARE(boxTexts(e, { "txtname", "txtdesp", "cmbpriority", "cmbstatus", "cmbcategory", "Text4", "Text5", "Text6" }),
                QStringList({ "Meeting", "first", "High", "Not Started", "Business", "Meeting", "12/7/2026", "9:00:00" }));
            QCOMPARE(boxTexts(e, { "Text1", "Text2", "Text3" }),
                remNo == 4 ? QStringList({ "/snd/a.wav", "Bring card", "/bin/app" }) : QStringList({ "", "", "" }));
        }
    }

    void editOrDeleteAsksForASelection_data()
    {
        // clang-format off
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("storedName"); // the selected schedule's name when clicked; empty: none selected
        QTest::addColumn<QString>("title");
        QTest::newRow("edit, nothing selected") << "lbledit" << "" << "Orrisdaye";
        QTest::newRow("delete, nothing selected") << "lblDelete" << "" << " Orrisday";
        QTest::newRow("delete, stale selection") << "lblDelete" << "Renamed" << " Orrisday";
        // clang-format on
    }
    void editOrDeleteAsksForASelection()
    {
        QFETCH(QString, button);
        QFETCH(QString, storedName);
        QFETCH(QString, title);
        seedSchedule(db(), 1, "Agenda");
        QWidget *before = openList();
        if (!storedName.isEmpty()) {
            clickGridRow(list(), "MSHFlexGrid1", "Agenda");
            db().run("UPDATE SCHEDULE_INFO SET schedule_name = ?", { storedName });
        }
        click(button);
        QCOMPARE(shown(), QList<ShownMessage>({ { " Please Select The Item", MessageIcon::Information, title } }));
        QCOMPARE(list(), before);
        QVERIFY(before->isVisible());
        QCOMPARE(tableTexts(db(), Table::Schedule).size(), 1);
    }

    void deleteRemovesTheFirstMatchAndItsReminderRow()
    {
        seedSchedule(db(), 1, "Meeting", 1);
        seedSchedule(db(), 2, "Agenda", 0);
        seedSchedule(db(), 3, "Meeting", 3);
        seedReminder(db(), 0);
        seedReminder(db(), 1);
        seedReminder(db(), 1, "1/1/2027");
        seedReminder(db(), 3);
        QWidget *before = openList();
        clickGridRow(list(), "MSHFlexGrid1", "Meeting");
        click("lblDelete");
        QCOMPARE(shown(),
            QList<ShownMessage>({ { " Schedule Deleted Successfully", MessageIcon::Information, "Orrisday" } }));
        QCOMPARE(joinedRows(db(), Table::Schedule).size(), 2);
        QCOMPARE(joinedRows(db(), Table::Schedule).last().section('|', 0, 1), QStringLiteral("3|Meeting"));
        QCOMPARE(joinedRows(db(), Table::Reminder).size(), 3);
        QVERIFY(joinedRows(db(), Table::Reminder).contains("1|1/1/2027|8:15:20|No Sound|Please Check This Out|No Prg"));
        QVERIFY(list() && list() != before && list()->isVisible());

        // A schedule without reminder takes the first stray row numbered 0 with it.
        clickGridRow(list(), "MSHFlexGrid1", "Agenda");
        click("lblDelete");
        QCOMPARE(joinedRows(db(), Table::Reminder).filter(QRegularExpression("^0\\|")), QStringList {});
    }

    void closeEmptiesTheMarker()
    {
        openList();
        click("lblcancel");
        QVERIFY(!list());
        QCOMPARE(p().app().windows().marker(), QString());
    }
};

QTEST_MAIN(TestScheduleList)
#include "test_schedulelist.moc"
