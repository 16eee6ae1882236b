// SPDX-License-Identifier: MIT
// A task, a schedule and a note with a reminder, from the main window's button to the alert.
#include "reminders/Frm_Alert.h"
#include "reminders/ReminderScan.h"
#include "support/RecordSteps.h"

#include <QLabel>

class TestRecordRoads : public QObject
{
    Q_OBJECT

private slots:
    void aSavedReminderIsRaisedAtItsSecond_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("editor");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("message");
        QTest::newRow("task") << "lblTask" << "Frm_Task" << "FrmTask_Info"
                              << QStringList { "txtname=Dentist", "cmbstatus=Not Started", "cmbcategory=Personal" }
                              << "TASK ADDED SUCCESSFULLY";
        QTest::newRow("schedule") << "lblAgenda" << "Frm_Schedule" << "FrmSchedule_Info"
                                  << QStringList { "txtname=Meeting", "cmbstatus=Not Started", "cmbcategory=Personal" }
                                  << "SCHEDULE ADDED SUCCESSFULLY";
        QTest::newRow("note") << "lblNote" << "Frm_Note" << "FrmNote_Info"
                              << QStringList { "txtname=Memo", "txtdesp=call Ann" } << "NOTE ADDED SUCCESSFULLY";
    }
    void aSavedReminderIsRaisedAtItsSecond()
    {
        QFETCH(QString, button);
        QFETCH(QString, list);
        QFETCH(QString, editor);
        QFETCH(QStringList, fields);
        QFETCH(QString, message);
        TestProgram p;
        p.fakes.clock->set(QDate(2026, 12, 7), QTime(9, 0, 0));
        p.start();
        clickOn(findIn<QWidget>(&p.app().mainWindow(), button));
        QWidget *listWindow = loadedWindow(p, list);
        QVERIFY(listWindow && listWindow->isVisible());
        clickOn(findIn<QWidget>(listWindow, "lblnew"));
        QWidget *editorWindow = loadedWindow(p, editor);
        QVERIFY(editorWindow);
        for (const QString &step : fields + QStringList { "remcheck", "cmbremtime@10:05", "cmdadv" })
            runStep(editorWindow, *p.fakes.clock, step);
        QWidget *advance = findWidget("Frm_Reminder");
        for (const char *name : { "Opdefaultsound", "Opdefaultmsg", "lblok" })
            clickOn(findIn<QWidget>(advance, name));
        clickOn(findIn<QWidget>(editorWindow, "lblsave"));
        QCOMPARE(p.fakes.dialogs->takeTexts(), QStringList({ message }));

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

QTEST_MAIN(TestRecordRoads)
#include "test_recordroads.moc"
