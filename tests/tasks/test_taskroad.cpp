// SPDX-License-Identifier: MIT
// A task with a reminder, from the main window's task button to its alert.
#include "TaskSteps.h"

#include "app/Orrisday.h"
#include "reminders/ReminderScan.h"
#include "widgets/ChoiceCombo.h"

#include <QCheckBox>
#include <QLineEdit>

class TestTaskRoad : public QObject
{
    Q_OBJECT

private slots:
    void aSavedReminderIsRaisedAtItsSecond()
    {
        TestProgram p;
        p.start();
        clickOn(findIn<QWidget>(&p.app().mainWindow(), QStringLiteral("lblTask")));
        QWidget *list = loadedWindow(p, QStringLiteral("Frm_Task"));
        QVERIFY(list && list->isVisible());
        clickOn(findIn<QWidget>(list, QStringLiteral("lblnew")));
        QWidget *editor = loadedWindow(p, QStringLiteral("FrmTask_Info"));
        QVERIFY(editor);
        findIn<QLineEdit>(editor, QStringLiteral("txtname"))->setText(QStringLiteral("Dentist"));
        findIn<ChoiceCombo>(editor, QStringLiteral("cmbstatus"))->setEditText(QStringLiteral("Not Started"));
        findIn<ChoiceCombo>(editor, QStringLiteral("cmbcategory"))->setEditText(QStringLiteral("Personal"));
        clickOn(findIn<QCheckBox>(editor, QStringLiteral("remcheck")));
        pickTime(findIn<TimeCombo>(editor, QStringLiteral("cmbremtime")), 10, 5);
        clickOn(findIn<QWidget>(editor, QStringLiteral("cmdadv")));
        QWidget *advance = findWidget(QStringLiteral("Frm_Reminder"));
        clickOn(findIn<QWidget>(advance, QStringLiteral("Opdefaultsound")));
        clickOn(findIn<QWidget>(advance, QStringLiteral("Opdefaultmsg")));
        clickOn(findIn<QWidget>(advance, QStringLiteral("lblok")));
        clickOn(findIn<QWidget>(editor, QStringLiteral("lblsave")));
        QCOMPARE(p.fakes.dialogs->takeTexts(), QStringList({ "TASK ADDED SUCCESSFULLY" }));

        ReminderScan &scan = p.app().mainWindow().reminderScan();
        p.fakes.clock->setTime(QTime(10, 4, 59));
        scan.tick();
        QVERIFY(p.fakes.sound->played.isEmpty());
        p.fakes.clock->setTime(QTime(10, 5, 0));
        scan.tick();
        QCOMPARE(p.fakes.sound->played, QStringList({ p.folder() + QStringLiteral("/Wave/Alert.wav") }));
        QVERIFY(scan.alert());
    }
};

QTEST_MAIN(TestTaskRoad)
#include "test_taskroad.moc"
