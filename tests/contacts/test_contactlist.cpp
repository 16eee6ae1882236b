// SPDX-License-Identifier: MIT
#include "ContactSteps.h"

#include "app/Frm_Main.h"
#include "reminders/ReminderScan.h"
#include "support/FreshProgramTest.h"

#include <QCheckBox>
#include <QHeaderView>

using store::Table;

class TestContactList : public FreshProgramTest
{
    Q_OBJECT

    QList<ShownMessage> &shown() { return fakes().dialogs->shown; }
    QWidget *list() { return loadedContactWindow(p(), "Frm_Contact"); }
    QWidget *editor() { return loadedContactWindow(p(), "FrmContact_Info"); }
    QWidget *searchWindow() { return findWidget("Frm_Search"); }
    void click(const QString &name) { clickOn(findIn<QWidget>(list(), name)); }

    /// Opens the search window from the list and enters the criteria.
    void search(const QString &category, const QString &first, const QString &last)
    {
        if (!searchWindow() || !searchWindow()->isVisible())
            click("lblsearch");
        QWidget *window = searchWindow();
        QVERIFY(window && window->isVisible());
        setControlText(window, "Combo1", category);
        setControlText(window, "Text1", first);
        setControlText(window, "Text2", last);
        clickOn(findIn<QWidget>(window, "lblok"));
    }

private slots:
    void gridGroupsByCategory()
    {
        seedContact(db(), { 2, "Bob", "Ray", "Business" });
        seedContact(db(), { 1, "Ann", "Lee", "Personal" });
        seedContact(db(), { 3, "Cid", "Moe", "Personal" });
        p().start();
        clickOn(findIn<QWidget>(&p().app().mainWindow(), "lblContact"));
        auto *grid = findIn<GroupedGrid>(list(), "MSHFlexGrid1");
        QVERIFY(grid && grid->isVisible());
        QStringList headings;
        for (int column = 0; column < grid->columnCount(); ++column)
            headings << grid->headerItem()->text(column);
        QCOMPARE(headings,
            QStringList({ "Category", "Category", "Contact No", "First Name", "Last Name", "Address", "City",
                "Country", "Mail Id", "Phone No", "Mobile No" }));
        QStringList shownRows;
        for (int i = 0; i < grid->topLevelItemCount(); ++i) {
            QTreeWidgetItem *group = grid->topLevelItem(i);
            shownRows << group->text(0);
            for (int j = 0; j < group->childCount(); ++j)
                shownRows << "  " + grid->cellTexts(group->child(j)).mid(1, 4).join('|');
        }
        QCOMPARE(shownRows,
            QStringList({ "Personal", "  Personal|1|Ann|Lee", "  Personal|3|Cid|Moe", "Business",
                "  Business|2|Bob|Ray" }));
    }

    void editOpensTheClickedContact()
    {
        seedContact(db(), { 1, "Ann", "Lee" });
        seedContact(db(), { 5, "Bob", "Ray", "Business", 2, "2/29/1988" });
        seedReminder(db(), 2, "2/29/1988", "7 : 5 : 9");
        p().start();
        openContactList(p());
        clickContactRow(list(), 5);
        click("lbledit");
        QVERIFY(!list());
        QWidget *window = editor();
        QVERIFY(window && window->isVisible());
        QCOMPARE(findIn<QLineEdit>(window, "Text1")->text(), QString("5"));
        QCOMPARE(controlText(window, "txtfname"), QString("Bob"));
        QCOMPARE(controlText(window, "txtpcity"), QString("Leeds"));
        QCOMPARE(controlText(window, "txtpmobileno"), QString("5550199"));
        QCOMPARE(controlText(window, "txtcname"), QString("Acme"));
        QCOMPARE(controlText(window, "txtnote"), QString("met at the fair"));
        QCOMPARE(controlText(window, "cmbbdate"), QString("2/29/1988"));
        QVERIFY(findIn<QCheckBox>(window, "remcheck")->isChecked());
        QCOMPARE(controlText(window, "cmbeventtime"), QString("7:05:09"));
        QVERIFY(findIn<QWidget>(window, "lblupdate")->isVisible());
        QVERIFY(!findIn<QWidget>(window, "lblsave")->isVisible());
        QVERIFY(!findIn<QWidget>(window, "Frame1")->isVisible());
        QCOMPARE(p().app().windows().marker(), QString("FrmContact_Info"));
    }

    void nothingSelected_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::newRow("edit") << "lbledit" << " Please Select The Item From The List";
        QTest::newRow("delete") << "lblDelete" << " Please Select The Item";
    }
    void nothingSelected()
    {
        QFETCH(QString, button);
        QFETCH(QString, message);
        seedContact(db(), { 1, "Ann", "Lee" });
        p().start();
        openContactList(p());
        click(button);
        QCOMPARE(shown(), QList<ShownMessage>({ { message, MessageIcon::Information, " Orrisdaye" } }));
        QVERIFY(list() && list()->isVisible());
        QCOMPARE(db().records(Table::Contact).size(), 1);
    }

    void deleteRemovesContactBirthdayAndReminder_data()
    {
        QTest::addColumn<qint64>("remNo");
        QTest::addColumn<bool>("birthdayRow");
        QTest::newRow("with a reminder") << qint64(2) << true;
        QTest::newRow("without a reminder") << qint64(0) << true;
        QTest::newRow("without a birthday row") << qint64(0) << false;
    }
    void deleteRemovesContactBirthdayAndReminder()
    {
        QFETCH(qint64, remNo);
        QFETCH(bool, birthdayRow);
        seedContact(db(), { 1, "Ann", "Lee" });
        SeededContact bob { 2, "Bob", "Ray", "Business", remNo };
        bob.birthdayRow = birthdayRow;
        seedContact(db(), bob);
        seedReminder(db(), 1, "12/8/2026", "8 : 0 : 0", "", "a task's");
        if (remNo)
            seedReminder(db(), remNo, "5/14/1990", "9 : 0 : 0", "", "Bob . Ray's Birthday");
        p().start();
        openContactList(p());
        clickContactRow(list(), 2);
        click("lblDelete");
        QCOMPARE(shown(),
            QList<ShownMessage>({ { " CONTACT DELETED SUCCESSFULLY", MessageIcon::Information, "Orrisday" } }));
        QCOMPARE(joinedRows(db(), Table::Contact).size(), 1);
        QCOMPARE(db().records(Table::Contact).first().text(1), QString("Ann"));
        QCOMPARE(db().records(Table::Birthday).size(), 1);
        QCOMPARE(db().records(Table::Reminder).size(), 1);
        QCOMPARE(db().records(Table::Reminder).first().text(4), QString("a task's"));
        auto *grid = findIn<GroupedGrid>(list(), "MSHFlexGrid1");
        QVERIFY(grid && !grid->findRecordRow(2, "2"));
        QVERIFY(p().app().mainWindow().reminderScan().isActive());
    }

    void searchOnAnEmptyTable()
    {
        p().start();
        openContactList(p());
        click("lblsearch");
        QCOMPARE(shown(), QList<ShownMessage>({ { "No Contact To Search", MessageIcon::Information, "Orrisday" } }));
        QVERIFY(!searchWindow() || !searchWindow()->isVisible());
    }

    void searchFindsTheFirstExactMatch_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("found"); // the contact number opened, or the message
        QTest::newRow("exact") << "Business" << "Ann" << "Lee" << "2";
        QTest::newRow("first name and category trimmed") << " Business " << "Ann " << "Lee" << "2";
        QTest::newRow("last name as typed") << "Business" << "Ann" << "Lee " << " NO CONTACT FOUND";
        QTest::newRow("letter case matters") << "Business" << "ann" << "Lee" << " NO CONTACT FOUND";
        QTest::newRow("first of two matches") << "Personal" << "Cid" << "Moe" << "3";
        QTest::newRow("first name alone") << "" << "Ann" << "" << " NO CONTACT FOUND";
        QTest::newRow("an empty last name matches an empty one") << "Personal" << "Eve" << "" << "5";
        QTest::newRow("nothing entered") << "" << "" << "" << "PleaseEnter Data";
    }
    void searchFindsTheFirstExactMatch()
    {
        QFETCH(QString, category);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, found);
        seedContact(db(), { 1, "Ann", "Lee", "Personal" });
        seedContact(db(), { 2, "Ann", "Lee", "Business" });
        seedContact(db(), { 3, "Cid", "Moe", "Personal" });
        seedContact(db(), { 4, "Cid", "Moe", "Personal" });
        seedContact(db(), { 5, "Eve", "", "Personal" });
        p().start();
        openContactList(p());
        search(category, first, last);
        if (found.at(0).isDigit()) {
            QCOMPARE(shown(), QList<ShownMessage>({ { "CONTACT FOUND", MessageIcon::Information, "Orrissday" } }));
            QWidget *window = editor();
            QVERIFY(window && window->isVisible());
            QCOMPARE(findIn<QLineEdit>(window, "Text1")->text(), found);
            QVERIFY(findIn<QWidget>(window, "lblok")->isVisible());
            for (const char *hidden : { "lblsave", "lblupdate", "lblcancel", "Frame1" })
                QVERIFY2(!findIn<QWidget>(window, hidden)->isVisible(), hidden);
            QVERIFY(!searchWindow() || !searchWindow()->isVisible());
        } else {
            const QString title = found == "PleaseEnter Data" ? "Orrisdaye" : "Orrissday";
            QCOMPARE(shown(), QList<ShownMessage>({ { found, MessageIcon::Information, title } }));
            QVERIFY(searchWindow()->isVisible());
            QCOMPARE(controlText(searchWindow(), "Text2"), last);
            QVERIFY(!editor());
        }
    }

    void searchAfterADeleteWhileOpen()
    {
        seedContact(db(), { 1, "Ann", "Lee", "Personal" });
        seedContact(db(), { 2, "Bob", "Ray", "Personal" });
        p().start();
        openContactList(p());
        click("lblsearch");
        clickContactRow(list(), 1);
        click("lblDelete");
        shown().clear();
        QVERIFY(searchWindow()->isVisible());
        search("Personal", "Ann", "Lee");
        QCOMPARE(shown(), QList<ShownMessage>({ { " NO CONTACT FOUND", MessageIcon::Information, "Orrissday" } }));
        shown().clear();
        search("Personal", "Bob", "Ray");
        QCOMPARE(shown(), QList<ShownMessage>({ { "CONTACT FOUND", MessageIcon::Information, "Orrissday" } }));
    }
};

QTEST_MAIN(TestContactList)
#include "test_contactlist.moc"
