// SPDX-License-Identifier: MIT
// The time combos: hour and minute lists, the combo text and the picked time.

#include "EntryWindow.h"
#include "support/SharedProgramTest.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>

namespace {

void clickItem(QListWidget *list, int row)
{
    QVERIFY2(list && list->isVisible(), "the list is not shown");
    QListWidgetItem *item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

/// Whether a list holds exactly the plain numbers 0 .. count - 1.
bool holdsNumbers(const QListWidget *list, int count)
{
    bool plain = list->count() == count;
    for (int i = 0; plain && i < count; ++i)
        plain = list->item(i)->text() == QString::number(i);
    return plain;
}

bool listsShown(const TimeCombo *combo)
{
    return combo->hourList()->isVisible() && combo->minuteList()->isVisible();
}

bool listsHidden(const TimeCombo *combo)
{
    return combo->hourList()->isHidden() && combo->minuteList()->isHidden();
}

} // namespace

class TestTimeEntry final : public SharedProgramTest
{
    Q_OBJECT

private slots:
    // The hour list (0 to 23) and the minute list (0 to 59) are named controls of the window,
    // shown in place of the combo in a pop-up that may stand past the window's edge.
    void dropDownShowsTheListsInsteadOfTheCombo()
    {
        EntryWindow task(app(), QStringLiteral("frmtask_info"));
        TimeCombo *cmbremtime = task.time(QStringLiteral("cmbremtime"), QStringLiteral("List3"), QStringLiteral("List4"));
        cmbremtime->setGeometry(440, 100, 70, 24);
        auto *hours = findIn<QListWidget>(&task.window, QStringLiteral("List3"));
        auto *minutes = findIn<QListWidget>(&task.window, QStringLiteral("List4"));
        QVERIFY(hours && minutes);
        QVERIFY(holdsNumbers(hours, 24));
        QVERIFY(holdsNumbers(minutes, 60));
        QVERIFY(hours->isHidden() && minutes->isHidden());
        QVERIFY(task.showActive());
        cmbremtime->setFocus();

        QTest::keyClick(cmbremtime, Qt::Key_F4);

        QVERIFY(cmbremtime->isHidden());
        QVERIFY(hours->isVisible() && minutes->isVisible());
        QVERIFY(hours->hasFocus());
        // Over the combo (a window frame may shift it by a pixel or two).
        QVERIFY((hours->window()->pos() - task.window.mapToGlobal(QPoint(440, 100))).manhattanLength() <= 6);
        QVERIFY(hours->window()->geometry().right() > task.window.geometry().right());
        QVERIFY(fakes().dialogs->shown.isEmpty());

        // A click elsewhere closes the lists without a pick and brings the combo back.
        hours->window()->close();
        QVERIFY(listsHidden(cmbremtime));
        QVERIFY(!cmbremtime->isHidden());
    }

    void minuteCompletesThePick_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QTime>("openedAt");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::addColumn<QTime>("minuteClickedAt");
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("picked");

        QTest::newRow("task time") << "frmtask_info" << "cmbtime" << QTime(14, 5, 37) << 9 << 30 << QTime(14, 5, 37)
                                   << false << "9 : 30" << "9 : 30 : 37";
        QTest::newRow("seconds of the minute click") << "Frm_Option" << "cmbeventtime" << QTime(23, 0, 0) << 23 << 5
                                                     << QTime(23, 1, 40) << false << "23 : 5" << "23 : 5 : 40";
        QTest::newRow("midnight") << "frmnote_info" << "cmbremtime" << QTime(0, 0, 0) << 0 << 0 << QTime(0, 0, 59)
                                  << false << "0 : 0" << "0 : 0 : 59";
        QTest::newRow("Enter in the minute list") << "frmnote_info" << "cmbnotetime" << QTime(7, 0, 3) << 18 << 45
                                                  << QTime(7, 0, 3) << true << "18 : 45" << "18 : 45 : 3";
    }

    // The hour click alone picks nothing; the minute (clicked, or chosen with Enter) completes the pick.
    void minuteCompletesThePick()
    {
        QFETCH(QString, window);
        QFETCH(QString, combo);
        QFETCH(QTime, openedAt);
        QFETCH(int, hour);
        QFETCH(int, minute);
        QFETCH(QTime, minuteClickedAt);
        QFETCH(bool, byEnter);
        QFETCH(QString, text);
        QFETCH(QString, picked);

        fakes().clock->setTime(openedAt);
        EntryWindow owner(app(), window);
        TimeCombo *target = owner.time(combo);
        target->setPickedTime(QStringLiteral("10 : 0 : 0"));
        QSignalSpy picks(target, &TimeCombo::picked);
        QVERIFY(owner.showActive());

        target->showPopup();
        clickItem(target->hourList(), hour);
        QVERIFY(listsShown(target));
        QCOMPARE(target->pickedTime(), QStringLiteral("10 : 0 : 0"));
        QCOMPARE(target->currentText(), QString());
        QCOMPARE(picks.count(), 0);

        fakes().clock->setTime(minuteClickedAt);
        if (byEnter) {
            target->minuteList()->setFocus();
            target->minuteList()->setCurrentRow(minute);
            QTest::keyClick(target->minuteList(), Qt::Key_Return);
        } else {
            clickItem(target->minuteList(), minute);
        }
        QCOMPARE(target->currentText(), text);
        QCOMPARE(target->pickedTime(), picked);
        QVERIFY(target->isVisible());
        QVERIFY(target->hasFocus());
        QVERIFY(listsHidden(target));
        QCOMPARE(picks.count(), 1);
        QVERIFY(fakes().dialogs->shown.isEmpty());
    }

    void eachPairTakesItsOwnHour()
    {
        fakes().clock->setTime(QTime(12, 0, 0));
        EntryWindow schedule(app(), QStringLiteral("frmschedule_info"));
        TimeCombo *start = schedule.time(QStringLiteral("cmbstarttime"));
        TimeCombo *due = schedule.time(QStringLiteral("cmbduetime"), QStringLiteral("List3"), QStringLiteral("List4"));
        due->move(0, 200);
        QVERIFY(schedule.showActive());

        start->showPopup();
        clickItem(start->hourList(), 6);
        due->showPopup();
        clickItem(due->hourList(), 20);
        clickItem(due->minuteList(), 15);
        clickItem(start->minuteList(), 50);

        QCOMPARE(start->pickedTime(), QStringLiteral("6 : 50 : 0"));
        QCOMPARE(due->pickedTime(), QStringLiteral("20 : 15 : 0"));
    }

    void aTypedTimeIsWhatIsStored_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("typed over a pick") << "10:45" << "10:45";
        QTest::newRow("pasted with blanks") << " 7 : 05 : 09 " << "7 : 05 : 09";
        QTest::newRow("no time at all: the store refuses it") << "soon" << "soon";
        QTest::newRow("emptied: the pick stays") << "" << "8 : 2 : 11";
    }
    void aTypedTimeIsWhatIsStored()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        fakes().clock->setTime(QTime(8, 2, 11));
        EntryWindow task(app(), QStringLiteral("frmtask_info"));
        TimeCombo *cmbtime = task.time(QStringLiteral("cmbtime"));
        cmbtime->preselectNow();
        QSignalSpy picks(cmbtime, &TimeCombo::picked);
        // As a paste does it: the text is edited by the user, not set by the program.
        cmbtime->lineEdit()->selectAll();
        cmbtime->lineEdit()->insert(typed);
        if (typed.isEmpty())
            cmbtime->lineEdit()->del();
        QCOMPARE(cmbtime->pickedTime(), stored);
        QVERIFY(picks.count() >= 1);

        // A later pick counts again.
        cmbtime->showPopup();
        clickItem(cmbtime->minuteList(), 30);
        QCOMPARE(cmbtime->pickedTime(), QStringLiteral("8 : 30 : 11"));
    }

    void preselectionAtLoadCountsAsAPick()
    {
        fakes().clock->setTime(QTime(8, 2, 11));
        EntryWindow task(app(), QStringLiteral("frmtask_info"));
        TimeCombo *cmbtime = task.time(QStringLiteral("cmbtime"));
        QSignalSpy picks(cmbtime, &TimeCombo::picked);

        cmbtime->preselectNow();
        cmbtime->setEditText(QString());
        fakes().clock->setTime(QTime(8, 40, 0));

        QCOMPARE(picks.count(), 1);
        QCOMPARE(cmbtime->pickedTime(), QStringLiteral("8 : 2 : 11"));
        QVERIFY(listsHidden(cmbtime));
        QVERIFY(!cmbtime->isHidden());

        // The lists open on the preselection.
        QVERIFY(task.showActive());
        cmbtime->showPopup();
        QCOMPARE(cmbtime->hourList()->currentRow(), 8);
        QCOMPARE(cmbtime->minuteList()->currentRow(), 2);
    }
};

QTEST_MAIN(TestTimeEntry)
#include "test_timeentry.moc"
