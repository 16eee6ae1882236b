// SPDX-License-Identifier: MIT
// Escape on an open drop-down list closes the list, not the editor under it.
#include "support/FreshProgramTest.h"
#include "support/RecordSteps.h"

#include <QApplication>

class TestPopupEscape : public FreshProgramTest
{
    Q_OBJECT

private slots:
    void escapeClosesTheOpenListOnly_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("editor");
        QTest::addColumn<QString>("combo");
        for (const char *combo : { "cmbstatus", "cmbpriority", "cmbcategory", "cmbtime" })
            QTest::addRow("task, %s", combo) << "Frm_Task" << "FrmTask_Info" << combo;
        for (const char *combo : { "cmbstatus", "cmbcategory", "cmbstarttime" })
            QTest::addRow("schedule, %s", combo) << "Frm_Schedule" << "FrmSchedule_Info" << combo;
    }
    void escapeClosesTheOpenListOnly()
    {
        QFETCH(QString, list);
        QFETCH(QString, editor);
        QFETCH(QString, combo);
        p().start();
        clickOn(findIn<QWidget>(p().app().windows().open(list), "lblnew"));
        QWidget *window = loadedWindow(p(), editor);
        QVERIFY(window);
        enterText(window, "txtname", "Keep me");
        findIn<QComboBox>(window, combo)->showPopup();
        QWidget *popup = QApplication::activePopupWidget();
        QVERIFY(popup);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!QApplication::activePopupWidget());
        QCOMPARE(loadedWindow(p(), editor), window);
        QVERIFY(window->isVisible());
        QCOMPARE(boxTexts(window, { "txtname" }), QStringList { "Keep me" });

        // Escape on the editor itself still cancels it.
        QApplication::setActiveWindow(window);
        QTest::keyClick(window->focusWidget(), Qt::Key_Escape);
        QVERIFY(!loadedWindow(p(), editor));
    }
};

QTEST_MAIN(TestPopupEscape)
#include "test_popupescape.moc"
