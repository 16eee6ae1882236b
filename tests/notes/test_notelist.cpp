// SPDX-License-Identifier: MIT
#include "support/FreshProgramTest.h"
#include "support/RecordSteps.h"

#include <QCheckBox>

using store::Table;

class TestNoteList : public FreshProgramTest
{
    Q_OBJECT

    QWidget *list() { return loadedWindow(p(), "Frm_Note"); }
    QWidget *editor() { return loadedWindow(p(), "FrmNote_Info"); }
    GroupedGrid *grid() { return findIn<GroupedGrid>(list(), "MSHFlexGrid1"); }
    void click(const QString &name) { clickOn(findIn<QWidget>(list(), name)); }
    QList<ShownMessage> &shown() { return fakes().dialogs->shown; }

    QWidget *openList()
    {
        fakes().clock->set(QDate(2027, 3, 5), QTime(8, 7, 11));
        p().start();
        clickOn(findIn<QWidget>(&p().app().mainWindow(), "lblNote"));
        return list();
    }

private slots:
    void oneRowPerNoteInCodeOrder()
    {
        seedNote(db(), 3, "Third");
        seedNote(db(), 1, "First", 0, "a longer description");
        seedNote(db(), 2, "Second");
        QVERIFY(openList() && list()->isVisible());
        QCOMPARE(p().app().windows().marker(), QStringLiteral("Frm_Note"));
        QCOMPARE(grid()->topLevelItemCount(), 3);
        QCOMPARE(grid()->cellTexts(grid()->topLevelItem(0)),
            QStringList({ "", "First", "a longer description", "12/7/2026", "9:00:00", "1" }));
        QCOMPARE(grid()->topLevelItem(2)->text(1), QStringLiteral("Third"));
        // 3000, 1000 and 2000 twips at the least.
        QVERIFY(grid()->columnWidth(2) >= 200 && grid()->columnWidth(3) >= 67 && grid()->columnWidth(4) >= 133);
        QVERIFY(grid()->columnWidth(2) < 300 && grid()->columnWidth(4) == 133);
        for (int column : { 1, 2, 3, 4 })
            QCOMPARE(grid()->topLevelItem(0)->textAlignment(column), int(Qt::AlignLeft | Qt::AlignTop));
    }

    void newOpensAnEmptyEditorWithTodayAndNow()
    {
        openList();
        click("lblnew");
        QWidget *e = editor();
        QVERIFY(!list() && e && e->isVisible());
        QCOMPARE(p().app().windows().marker(), QStringLiteral("FrmNote_Info"));
        QCOMPARE(e->pos(), p().app().windows().place());
        QCOMPARE(boxTexts(e, { "cmbnotedate", "cmbnotetime", "txtname" }), QStringList({ "3/5/2027", "8  :  7", "" }));
        QVERIFY(findIn<QWidget>(e, "lblsave")->isVisible() && !findIn<QWidget>(e, "lblupdate")->isVisible());
    }

    void editShowsTheLastMatchWithItsReminder()
    {
        seedNote(db(), 1, "Memo", 0, "first");
        seedNote(db(), 2, "Memo", 4, "second");
        seedReminder(db(), 4, "12/10/2026", "7 : 5 : 3", "/snd/a.wav", "Bring card", "/bin/app");
        openList();
        clickGridRow(list(), "MSHFlexGrid1", "Memo", 1);
        click("lbledit");
        QWidget *e = editor();
        QVERIFY(!list() && e && e->isVisible());
        QCOMPARE(e->pos(), p().app().windows().place());
        QVERIFY(!findIn<QWidget>(e, "lblsave")->isVisible() && findIn<QWidget>(e, "lblupdate")->isVisible());
        QVERIFY(findIn<QCheckBox>(e, "remcheck")->isChecked());
        QCOMPARE(boxTexts(e, { "txtdesp", "cmbnotetime", "cmbrem2date", "cmbremtime", "Text1", "Text2", "Text3", "Text4" }),
            QStringList({ "second", "9:00:00", "12/10/2026", "7:05:03", "/snd/a.wav", "Bring card", "/bin/app", "Memo" }));
    }

    void editOrDeleteAsksForASelection_data()
    {
        // clang-format off
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("selected"); // the texts put into Text1|Text2|Text3
        QTest::addColumn<QString>("title");
        QTest::newRow("edit, nothing selected") << "lbledit" << "||" << "Orrisdy";
        QTest::newRow("edit looks at name and date only") << "lbledit" << "||9:00:00" << "Orrisdy";
        QTest::newRow("delete, nothing selected") << "lblDelete" << "||" << " Orrisdaye";
        QTest::newRow("delete, stale selection") << "lblDelete" << "Gone|12/7/2026|9:00:00" << " Orrisdaye";
        // clang-format on
    }
    void editOrDeleteAsksForASelection()
    {
        QFETCH(QString, button);
        QFETCH(QString, selected);
        QFETCH(QString, title);
        seedNote(db(), 1, "Memo");
        QWidget *before = openList();
        const QStringList texts = selected.split('|');
        enterText(before, "Text1", texts[0]);
        enterText(before, "Text2", texts[1]);
        enterText(before, "Text3", texts[2]);
        click(button);
        QCOMPARE(shown(), QList<ShownMessage>({ { " Please Select The Item", MessageIcon::Information, title } }));
        QCOMPARE(list(), before);
        QCOMPARE(tableTexts(db(), Table::Note).size(), 1);
    }

    void deleteRemovesEveryMatchWithEveryReminderRowOfEach()
    {
        seedNote(db(), 1, "Memo", 1);
        seedNote(db(), 2, "Other", 2);
        seedNote(db(), 3, "Memo", 0);
        seedReminder(db(), 1);
        seedReminder(db(), 2);
        seedReminder(db(), 1, "1/1/2027");
        seedReminder(db(), 0);
        seedReminder(db(), 0, "1/1/2027");
        QWidget *before = openList();
        clickGridRow(list(), "MSHFlexGrid1", "Memo", 1);
        click("lblDelete");
        QCOMPARE(shown(),
            QList<ShownMessage>({ { " NOTE DELETED SUCCESSFULLY", MessageIcon::Information, "Orrisdaye" } }));
        QCOMPARE(joinedRows(db(), Table::Note), QStringList { "2|Other|notes|12/7/2026|9:00:00|2" });
        QCOMPARE(joinedRows(db(), Table::Reminder),
            QStringList { "2|12/8/2026|8:15:20|No Sound|Please Check This Out|No Prg" });
        QVERIFY(list() && list() != before && list()->isVisible());
        QCOMPARE(grid()->topLevelItemCount(), 1);
    }

    void closeEmptiesTheMarker()
    {
        openList();
        click("lblcancel");
        QVERIFY(!list());
        QCOMPARE(p().app().windows().marker(), QString());
    }
};

QTEST_MAIN(TestNoteList)
#include "test_notelist.moc"
