// SPDX-License-Identifier: MIT
// The fixed-choice combos: the leave check and the refused typing of the category combos.

#include "EntryWindow.h"
#include "support/SharedProgramTest.h"

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

    /// A category combo with a control after it, its window shown and the combo focused.
    ChoiceCombo *focusedCategory(EntryWindow &task, ChoiceCombo::Typing typing = ChoiceCombo::Typing::Allowed)
    {
        ChoiceCombo *combo = task.choice(QStringLiteral("cmbcategory"), Categories, typing);
        task.field()->move(0, 100);
        if (!task.showActive())
            return nullptr;
        combo->setFocus();
        return combo;
    }

private slots:
    // Nothing is preselected ("nothing" typed keeps the text the combo starts with).
    void leaveCheck_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byClick");
        QTest::addColumn<bool>("refused");

        QTest::newRow("an item") << "Business" << false << false;
        QTest::newRow("the other item") << "Personal" << false << false;
        QTest::newRow("an item in the wrong case") << "business" << false << true;
        QTest::newRow("the beginning of an item") << "Busi" << false << true;
        QTest::newRow("an item after a blank") << " Business" << false << true;
        QTest::newRow("nothing") << "" << false << true;
        QTest::newRow("an item, left by a click") << "Personal" << true << false;
        QTest::newRow("no item, left by a click") << "Done" << true << true;
    }

    void leaveCheck()
    {
        QFETCH(QString, typed);
        QFETCH(bool, byClick);
        QFETCH(bool, refused);

        EntryWindow task(app(), QStringLiteral("frmtask_info"));
        ChoiceCombo *combo = focusedCategory(task);
        QVERIFY(combo);
        auto *next = task.window.findChild<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly);

        QTest::keyClicks(combo, typed);
        QCOMPARE(combo->currentText(), typed);
        if (byClick)
            QTest::mouseClick(next, Qt::LeftButton);
        else
            QTest::keyClick(combo, Qt::Key_Tab);

        QCOMPARE(fakes().dialogs->shown, refused ? QList<ShownMessage>{Refused} : QList<ShownMessage>{});
        QCOMPARE(combo->currentText(), refused ? QString() : typed);
        QVERIFY(refused ? combo->hasFocus() : next->hasFocus());
        QCOMPARE(combo->items(), Categories);
    }

    void choosingFromTheListPasses()
    {
        EntryWindow task(app(), QStringLiteral("frmtask_info"));
        ChoiceCombo *combo = focusedCategory(task);
        QVERIFY(combo);

        combo->showPopup();
        QVERIFY(fakes().dialogs->shown.isEmpty());
        combo->hidePopup();
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->currentText(), QStringLiteral("Business"));
        QTest::keyClick(combo, Qt::Key_Tab);

        QVERIFY(fakes().dialogs->shown.isEmpty());
        QVERIFY(!combo->hasFocus());
    }

    void otherWindowTakingTheFocusIsNoLeave()
    {
        EntryWindow task(app(), QStringLiteral("frmtask_info"));
        QVERIFY(focusedCategory(task));
        EntryWindow other(app(), QStringLiteral("Frm_Reminder"));

        QVERIFY(other.showActive());
        QVERIFY(task.showActive());

        QVERIFY(fakes().dialogs->shown.isEmpty());
    }

    // Leaving one empty choice combo for another refuses once and stays in the first.
    void refusalIsNotHandedOnToTheNextCombo()
    {
        EntryWindow task(app(), QStringLiteral("frmtask_info"));
        ChoiceCombo *category = task.choice(QStringLiteral("cmbcategory"), Categories);
        ChoiceCombo *priority = task.choice(QStringLiteral("cmbpriority"), {"Urgent", "Low"});
        QVERIFY(task.showActive());
        category->setFocus();

        QTest::keyClick(category, Qt::Key_Tab);

        QCOMPARE(fakes().dialogs->shown, QList<ShownMessage>{Refused});
        QVERIFY(category->hasFocus());
        QCOMPARE(priority->currentText(), QString());

        // The second combo still checks when it is left itself.
        category->setCurrentIndex(0);
        priority->setFocus();
        QVERIFY(priority->hasFocus());
        fakes().dialogs->shown.clear();
        QTest::keyClick(priority, Qt::Key_Backtab);
        QCOMPARE(fakes().dialogs->shown, QList<ShownMessage>{Refused});
        QVERIFY(priority->hasFocus());
    }

    void refusedTypingAnswersEveryKey()
    {
        EntryWindow task(app(), QStringLiteral("frmtask_info"));
        ChoiceCombo *combo = focusedCategory(task, ChoiceCombo::Typing::Refused);
        QVERIFY(combo);

        QTest::keyClick(combo, Qt::Key_B);
        QCOMPARE(fakes().dialogs->shown, QList<ShownMessage>{NoTyping});
        QCOMPARE(combo->currentText(), QStringLiteral(" b"));
        QTest::keyClick(combo->lineEdit(), Qt::Key_U);
        QCOMPARE(fakes().dialogs->shown, QList<ShownMessage>({NoTyping, NoTyping}));
        QCOMPARE(combo->currentText(), QStringLiteral(" u"));

        QTest::keyClick(combo, Qt::Key_Tab);
        QCOMPARE(fakes().dialogs->shown, QList<ShownMessage>({NoTyping, NoTyping, Refused}));
        QCOMPARE(combo->currentText(), QString());
        QVERIFY(combo->hasFocus());
    }

    void windowsMayWordTheMessagesTheirWay()
    {
        EntryWindow list(app(), QStringLiteral("Frm_Schedule"));
        ChoiceCombo *combo = focusedCategory(list, ChoiceCombo::Typing::Refused);
        QVERIFY(combo);
        combo->setMessages(QStringLiteral("Please Select Value From List"), QStringLiteral("Please do not enter any data"),
                           QStringLiteral("Orrisday"));

        QTest::keyClick(combo, Qt::Key_P);
        QTest::keyClick(combo, Qt::Key_Tab);

        const QList<ShownMessage> expected{
            {QStringLiteral("Please do not enter any data"), MessageIcon::Information, QStringLiteral("Orrisday")},
            {QStringLiteral("Please Select Value From List"), MessageIcon::Information, QStringLiteral("Orrisday")}};
        QCOMPARE(fakes().dialogs->shown, expected);
    }
};

QTEST_MAIN(TestChoiceCombo)
#include "test_choicecombo.moc"
