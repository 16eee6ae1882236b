// SPDX-License-Identifier: MIT
// A task with a reminder, from the main window's task button to its alert.
#include "TaskSteps.h"

#include "reminders/ReminderScan.h"

class TestTaskRoad : public QObject
{
    Q_OBJECT

private slots:
    void aSavedReminderIsRaisedAtItsSecond()
    {
        TestProgram p;
        p.start();
        clickOn(findIn<QWidget>(&p.app().mainWindow(), "lblTask"));
        QWidget *list = loadedWindow(p, "Frm_Task");
        QVERIFY(list && list->isVisible());
        clickOn(findIn<QWidget>(list, "lblnew"));
        QWidget *editor = loadedWindow(p, "FrmTask_Info");
        QVERIFY(editor);
        enterText(editor, "txtname", "Dentist");
        enterText(editor, "cmbstatus", "Not Started");
        enterText(editor, "cmbcategory", "Personal");
        clickOn(findIn<QWidget>(editor, "remcheck"));
        pickTime(findIn<TimeCombo>(editor, "cmbremtime"), 10, 5);
        clickOn(findIn<QWidget>(editor, "cmdadv"));
        QWidget *advance = findWidget("Frm_Reminder");
        for (const char *name : { "Opdefaultsound", "Opdefaultmsg", "lblok" })
            clickOn(findIn<QWidget>(advance, name));
        clickOn(findIn<QWidget>(editor, "lblsave"));
        QCOMPARE(p.fakes.dialogs->takeTexts(), QStringList({ "TASK ADDED SUCCESSFULLY" }));

        ReminderScan &scan = p.app().mainWindow().reminderScan();
        p.fakes.clock->setTime(QTime(10, 4, 59));
        scan.tick();
        QVERIFY(p.fakes.sound->played.isEmpty());
        p.fakes.clock->setTime(QTime(10, 5, 0));
        scan.tick();
        QCOMPARE(p.fakes.sound->played, QStringList({ p.folder() + "/Wave/Alert.wav" }));
        QVERIFY(scan.alert());
    }
};

QTEST_MAIN(TestTaskRoad)
#include "test_taskroad.moc"
