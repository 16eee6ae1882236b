// SPDX-License-Identifier: MIT
// The time combos: hour and minute lists, the combo text and the picked time.

#include "EntryWindow.h"
#include "support/TestProgram.h"
#include "widgets/TimeCombo.h"

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

QStringList texts(const QListWidget *list)
{
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all << list->item(i)->text();
    return all;
}

QStringList numbers(int count)
{
    QStringList all;
    for (int i = 0; i < count; ++i)
        all << QString::number(i);
    return all;
}

} // namespace

class TestTimeEntry final : public QObject
{
    Q_OBJECT

private slots:
    void listsAreNamedSiblingsWithPlainNumbers()
    {
        TestProgram p;
        p.start();
        EntryWindow task(QStringLiteral("frmtask_info"));
        auto *cmbremtime = new TimeCombo(p.app(), QStringLiteral("cmbremtime"), QStringLiteral("List3"),
                                         QStringLiteral("List4"), &task.window);

        auto *hours = findIn<QListWidget>(&task.window, QStringLiteral("List3"));
        auto *minutes = findIn<QListWidget>(&task.window, QStringLiteral("List4"));
        QCOMPARE(hours, cmbremtime->hourList());
        QCOMPARE(minutes, cmbremtime->minuteList());
        QCOMPARE(hours->parentWidget(), &task.window);
        QCOMPARE(texts(hours), numbers(24));
        QCOMPARE(texts(minutes), numbers(60));
        QVERIFY(hours->isHidden() && minutes->isHidden());
    }

    void dropDownShowsTheListsInsteadOfTheCombo()
    {
        TestProgram p;
        p.start();
        EntryWindow task(QStringLiteral("frmtask_info"));
        auto *cmbtime = new TimeCombo(p.app(), QStringLiteral("cmbtime"), QStringLiteral("List1"),
                                      QStringLiteral("List2"), &task.window);
        cmbtime->setGeometry(380, 380, 120, 24);
        QVERIFY(task.showActive());
        cmbtime->setFocus();

        QTest::keyClick(cmbtime, Qt::Key_F4);

        QVERIFY(cmbtime->isHidden());
        QVERIFY(cmbtime->hourList()->isVisible() && cmbtime->minuteList()->isVisible());
        QVERIFY(cmbtime->hourList()->hasFocus());
        const QRect inside = task.window.rect();
        QVERIFY(inside.contains(cmbtime->hourList()->geometry()));
        QVERIFY(inside.contains(cmbtime->minuteList()->geometry()));
        QVERIFY(p.fakes.dialogs->shown.isEmpty());
    }

    void minuteClickCompletesThePick()
    {
        TestProgram p;
        p.fakes.clock->set(QDate(2026, 12, 7), QTime(14, 5, 37));
        p.start();
        EntryWindow task(QStringLiteral("frmtask_info"));
        auto *cmbtime = new TimeCombo(p.app(), QStringLiteral("cmbtime"), QStringLiteral("List1"),
                                      QStringLiteral("List2"), &task.window);
        cmbtime->setPickedTime(QStringLiteral("10 : 0 : 0"));
        QSignalSpy picks(cmbtime, &TimeCombo::picked);
        QVERIFY(task.showActive());

        cmbtime->showPopup();
        clickItem(cmbtime->hourList(), 9);
        QVERIFY(cmbtime->hourList()->isVisible() && cmbtime->minuteList()->isVisible());
        QCOMPARE(cmbtime->pickedTime(), QStringLiteral("10 : 0 : 0"));
        QCOMPARE(cmbtime->currentText(), QString());
        QCOMPARE(picks.count(), 0);

        clickItem(cmbtime->minuteList(), 30);
        QCOMPARE(cmbtime->currentText(), QStringLiteral("9 : 30"));
        QCOMPARE(cmbtime->pickedTime(), QStringLiteral("9 : 30 : 37"));
        QVERIFY(cmbtime->isVisible());
        QVERIFY(cmbtime->hourList()->isHidden() && cmbtime->minuteList()->isHidden());
        QCOMPARE(picks.count(), 1);
        QVERIFY(p.fakes.dialogs->shown.isEmpty());
    }

    void secondsAreTheClocksAtTheMinuteClick()
    {
        TestProgram p;
        p.fakes.clock->set(QDate(2026, 12, 7), QTime(23, 0, 0));
        p.start();
        EntryWindow options(QStringLiteral("Frm_Option"));
        auto *cmbeventtime = new TimeCombo(p.app(), QStringLiteral("cmbeventtime"), QStringLiteral("List3"),
                                           QStringLiteral("List4"), &options.window);
        QVERIFY(options.showActive());

        cmbeventtime->showPopup();
        clickItem(cmbeventtime->hourList(), 23);
        p.fakes.clock->setTime(QTime(23, 1, 40));
        clickItem(cmbeventtime->minuteList(), 5);

        QCOMPARE(cmbeventtime->pickedTime(), QStringLiteral("23 : 5 : 40"));
    }

    void enterInTheMinuteListPicks()
    {
        TestProgram p;
        p.fakes.clock->set(QDate(2026, 12, 7), QTime(7, 0, 3));
        p.start();
        EntryWindow note(QStringLiteral("frmnote_info"));
        auto *cmbnotetime = new TimeCombo(p.app(), QStringLiteral("cmbnotetime"), QStringLiteral("List1"),
                                          QStringLiteral("List2"), &note.window);
        QVERIFY(note.showActive());

        cmbnotetime->showPopup();
        cmbnotetime->hourList()->setCurrentRow(18);
        cmbnotetime->minuteList()->setFocus();
        cmbnotetime->minuteList()->setCurrentRow(45);
        QTest::keyClick(cmbnotetime->minuteList(), Qt::Key_Return);

        QCOMPARE(cmbnotetime->pickedTime(), QStringLiteral("18 : 45 : 3"));
        QVERIFY(cmbnotetime->hasFocus());
    }

    void eachPairTakesItsOwnHour()
    {
        TestProgram p;
        p.fakes.clock->set(QDate(2026, 12, 7), QTime(12, 0, 0));
        p.start();
        EntryWindow schedule(QStringLiteral("frmschedule_info"));
        auto *start = new TimeCombo(p.app(), QStringLiteral("cmbstarttime"), QStringLiteral("List1"),
                                    QStringLiteral("List2"), &schedule.window);
        auto *due = new TimeCombo(p.app(), QStringLiteral("cmbduetime"), QStringLiteral("List3"),
                                  QStringLiteral("List4"), &schedule.window);
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

    void preselectionAtLoadCountsAsAPick()
    {
        TestProgram p;
        p.fakes.clock->set(QDate(2026, 12, 7), QTime(8, 2, 11));
        p.start();
        EntryWindow task(QStringLiteral("frmtask_info"));
        auto *cmbtime = new TimeCombo(p.app(), QStringLiteral("cmbtime"), QStringLiteral("List1"),
                                      QStringLiteral("List2"), &task.window);
        QSignalSpy picks(cmbtime, &TimeCombo::picked);

        cmbtime->preselectNow();
        cmbtime->setEditText(QString());
        p.fakes.clock->setTime(QTime(8, 40, 0));

        QCOMPARE(picks.count(), 1);
        QCOMPARE(cmbtime->pickedTime(), QStringLiteral("8 : 2 : 11"));
        QCOMPARE(cmbtime->hourList()->currentItem()->text(), QStringLiteral("8"));
        QCOMPARE(cmbtime->minuteList()->currentItem()->text(), QStringLiteral("2"));
        QVERIFY(cmbtime->hourList()->isHidden() && cmbtime->minuteList()->isHidden());
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
