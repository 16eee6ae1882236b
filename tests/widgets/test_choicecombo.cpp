// SPDX-License-Identifier: MIT
// The fixed-choice combos: the leave check and the refused typing of the category combos.

#include "EntryWindow.h"
#include "support/SharedProgramTest.h"
#include "widgets/ChoiceCombo.h"

#include <QLineEdit>

namespace {

const QStringList Categories{QStringLiteral("Business"), QStringLiteral("Personal")};
const ShownMessage Refused{QStringLiteral("Please Enter the value from list"), MessageIcon::Information,
                           QStringLiteral("Orrisdaye")};
const ShownMessage NoTyping{QStringLiteral("Please Do not Enter Any data"), MessageIcon::Information,
                            QStringLiteral("Orrisdaye")};

} // namespace

class TestChoiceCombo final : public SharedProgramTest
{
    Q_OBJECT


private slots:
    void startsWithNothingChosen()
    {
        TestProgram &p = program();
        EntryWindow task(QStringLiteral("frmtask_info"));
        auto *cmbpriority = new ChoiceCombo(p.app(), QStringLiteral("cmbpriority"),
                                            {"Urgent", "High", "Medium", "Low"}, &task.window);
        QCOMPARE(cmbpriority->items(), QStringList({"Urgent", "High", "Medium", "Low"}));
        QCOMPARE(cmbpriority->currentText(), QString());
        QCOMPARE(cmbpriority->currentIndex(), -1);
    }

    void leaveCheck_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("refused");

        QTest::newRow("an item") << "Business" << false;
        QTest::newRow("the other item") << "Personal" << false;
        QTest::newRow("an item in the wrong case") << "business" << true;
        QTest::newRow("the beginning of an item") << "Busi" << true;
        QTest::newRow("an item after a blank") << " Business" << true;
        QTest::newRow("nothing") << "" << true;
    }

    void leaveCheck()
    {
        QFETCH(QString, typed);
        QFETCH(bool, refused);

        TestProgram &p = program();
        EntryWindow task(QStringLiteral("frmtask_info"));
        auto *combo = new ChoiceCombo(p.app(), QStringLiteral("cmbcategory"), Categories, &task.window);
        auto *next = new QLineEdit(&task.window);
        QVERIFY(task.showActive());
        combo->setFocus();

        QTest::keyClicks(combo, typed);
        QCOMPARE(combo->currentText(), typed);
        QTest::keyClick(combo, Qt::Key_Tab);

        if (refused) {
            QCOMPARE(p.fakes.dialogs->shown, QList<ShownMessage>{Refused});
            QCOMPARE(combo->currentText(), QString());
            QVERIFY(combo->hasFocus());
        } else {
            QVERIFY(p.fakes.dialogs->shown.isEmpty());
            QCOMPARE(combo->currentText(), typed);
            QVERIFY(next->hasFocus());
        }
        QCOMPARE(combo->items(), Categories);
    }

    void clickOnAnotherControlLeavesToo()
    {
        TestProgram &p = program();
        EntryWindow task(QStringLiteral("frmtask_info"));
        auto *combo = new ChoiceCombo(p.app(), QStringLiteral("cmbstatus"), {"Not Started", "Completed"}, &task.window);
        auto *next = new QLineEdit(&task.window);
        next->move(0, 100);
        QVERIFY(task.showActive());
        combo->setFocus();
        QTest::keyClicks(combo, QStringLiteral("Done"));

        QTest::mouseClick(next, Qt::LeftButton);

        QCOMPARE(p.fakes.dialogs->shown, QList<ShownMessage>{Refused});
        QVERIFY(combo->hasFocus());
    }

    void choosingFromTheListPasses()
    {
        TestProgram &p = program();
        EntryWindow task(QStringLiteral("frmtask_info"));
        auto *combo = new ChoiceCombo(p.app(), QStringLiteral("cmbcategory"), Categories, &task.window);
        auto *next = new QLineEdit(&task.window);
        QVERIFY(task.showActive());
        combo->setFocus();

        combo->showPopup();
        QVERIFY(p.fakes.dialogs->shown.isEmpty());
        combo->hidePopup();
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->currentText(), QStringLiteral("Business"));
        QTest::keyClick(combo, Qt::Key_Tab);

        QVERIFY(p.fakes.dialogs->shown.isEmpty());
        QVERIFY(next->hasFocus());
    }

    void otherWindowTakingTheFocusIsNoLeave()
    {
        TestProgram &p = program();
        EntryWindow task(QStringLiteral("frmtask_info"));
        auto *combo = new ChoiceCombo(p.app(), QStringLiteral("cmbcategory"), Categories, &task.window);
        new QLineEdit(&task.window);
        EntryWindow other(QStringLiteral("Frm_Reminder"));
        QVERIFY(task.showActive());
        combo->setFocus();

        QVERIFY(other.showActive());
        QVERIFY(task.showActive());

        QVERIFY(p.fakes.dialogs->shown.isEmpty());
    }

    // Leaving one empty choice combo for another refuses once and stays in the first.
    void refusalIsNotHandedOnToTheNextCombo()
    {
        TestProgram &p = program();
        EntryWindow task(QStringLiteral("frmtask_info"));
        auto *category = new ChoiceCombo(p.app(), QStringLiteral("cmbcategory"), Categories, &task.window);
        auto *priority = new ChoiceCombo(p.app(), QStringLiteral("cmbpriority"), {"Urgent", "Low"}, &task.window);
        QVERIFY(task.showActive());
        category->setFocus();

        QTest::keyClick(category, Qt::Key_Tab);

        QCOMPARE(p.fakes.dialogs->shown, QList<ShownMessage>{Refused});
        QVERIFY(category->hasFocus());
        QCOMPARE(priority->currentText(), QString());

        // The second combo still checks when it is left itself.
        category->setCurrentIndex(0);
        priority->setFocus();
        QVERIFY(priority->hasFocus());
        p.fakes.dialogs->shown.clear();
        QTest::keyClick(priority, Qt::Key_Backtab);
        QCOMPARE(p.fakes.dialogs->shown, QList<ShownMessage>{Refused});
        QVERIFY(priority->hasFocus());
    }

    void refusedTypingAnswersEveryKey()
    {
        TestProgram &p = program();
        EntryWindow task(QStringLiteral("frmtask_info"));
        auto *combo = new ChoiceCombo(p.app(), QStringLiteral("cmbcategory"), Categories, &task.window,
                                      ChoiceCombo::Typing::Refused);
        new QLineEdit(&task.window);
        QVERIFY(task.showActive());
        combo->setFocus();

        QTest::keyClick(combo, Qt::Key_B);
        QCOMPARE(p.fakes.dialogs->shown, QList<ShownMessage>{NoTyping});
        QCOMPARE(combo->currentText(), QStringLiteral(" b"));
        QTest::keyClick(combo->lineEdit(), Qt::Key_U);
        QCOMPARE(p.fakes.dialogs->shown, QList<ShownMessage>({NoTyping, NoTyping}));
        QCOMPARE(combo->currentText(), QStringLiteral(" u"));

        QTest::keyClick(combo, Qt::Key_Tab);
        QCOMPARE(p.fakes.dialogs->shown, QList<ShownMessage>({NoTyping, NoTyping, Refused}));
        QCOMPARE(combo->currentText(), QString());
        QVERIFY(combo->hasFocus());
    }

    void windowsMayWordTheMessagesTheirWay()
    {
        TestProgram &p = program();
        EntryWindow list(QStringLiteral("Frm_Schedule"));
        auto *combo = new ChoiceCombo(p.app(), QStringLiteral("cmbcategory"), Categories, &list.window,
                                      ChoiceCombo::Typing::Refused);
        combo->setMessages(QStringLiteral("Please Select Value From List"), QStringLiteral("Please do not enter any data"),
                           QStringLiteral("Orrisday"));
        new QLineEdit(&list.window);
        QVERIFY(list.showActive());
        combo->setFocus();

        QTest::keyClick(combo, Qt::Key_P);
        QTest::keyClick(combo, Qt::Key_Tab);

        const QList<ShownMessage> expected{
            {QStringLiteral("Please do not enter any data"), MessageIcon::Information, QStringLiteral("Orrisday")},
            {QStringLiteral("Please Select Value From List"), MessageIcon::Information, QStringLiteral("Orrisday")}};
        QCOMPARE(p.fakes.dialogs->shown, expected);
    }
};

QTEST_MAIN(TestChoiceCombo)
#include "test_choicecombo.moc"
