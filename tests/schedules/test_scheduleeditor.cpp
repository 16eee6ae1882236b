// SPDX-License-Identifier: MIT
#include "support/FreshProgramTest.h"
#include "support/RecordSteps.h"
#include "widgets/DateCombo.h"
#include "widgets/Frm_Calendar.h"
#include "widgets/RecordEditor.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

using store::Table;

class TestScheduleEditor : public FreshProgramTest
{
    Q_OBJECT

    QWidget *editor() { return loadedWindow(p(), "FrmSchedule_Info"); }
    template <typename T = QWidget> T *control(const QString &name) { return findIn<T>(editor(), name); }
    QList<ShownMessage> &shown() { return fakes().dialogs->shown; }
    void steps(const QStringList &steps)
    {
        for (const QString &step : steps)
            runStep(editor(), *fakes().clock, step);
    }

    /// Starts the program at 12/7/2026 8:02:11 and opens a new schedule from the list, the
    /// required fields entered.
    void openNewSchedule()
    {
        fakes().clock->set(QDate(2026, 12, 7), QTime(8, 2, 11));
        p().start();
        clickOn(findIn<QWidget>(p().app().windows().open("Frm_Schedule"), "lblnew"));
        QVERIFY(editor());
        steps({ "txtname= Meeting ", "txtdesp=agenda", "cmbstatus=Not Started", "cmbcategory=Business" });
    }

    /// Starts the program and opens the stored schedule "Meeting" from the list.
    void openStoredSchedule()
    {
        fakes().clock->set(QDate(2026, 12, 7), QTime(8, 2, 11));
        p().start();
        QWidget *list = p().app().windows().open("Frm_Schedule");
        clickGridRow(list, "MSHFlexGrid1", "Meeting");
        clickOn(findIn<QWidget>(list, "lbledit"));
        QVERIFY(editor());
    }

private slots:
    void saveWritesTheScheduleAndItsReminder_data()
    {
        // clang-format off
        QTest::addColumn<QList<qint64>>("codes"); // schedule codes already stored, in table order
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("schedule"); // the row written, its columns joined by |
        QTest::addColumn<QString>("newReminder"); // written besides the stored reminder 2
        using Codes = QList<qint64>;
        const QString row = "|Meeting|agenda|12/7/2026|";
        QTest::newRow("empty table: code 1; no end: it ends at its start; no reminder")
            << Codes {} << QStringList {}
            << "1" + row + "8:02:11|12/7/2026|8:02:11|Not Started||Business|0" << "";
        QTest::newRow("codes 7, 3: the last row counts")
            << Codes { 7, 3 } << QStringList { "cmbstarttime@9:30", "cmbpriority=Low" }
            << "4" + row + "9:30:11|12/7/2026|9:30:11|Not Started|Low|Business|0" << "";
        QTest::newRow("end ticked, due time untouched: the time the box shows")
            << Codes {} << QStringList { "+60", "endcheck", "cmbduedate=12/9/2026" }
            << "1" + row + "8:02:11|12/9/2026|8:03:11|Not Started||Business|0" << "";
        QTest::newRow("end ticked, due time picked")
            << Codes {} << QStringList { "endcheck", "cmbduetime@17:05" }
            << "1" + row + "8:02:11|12/7/2026|17:05:11|Not Started||Business|0" << "";
        QTest::newRow("end ticked, both due boxes emptied: it ends at its start")
            << Codes {} << QStringList { "endcheck", "cmbduedate=", "cmbduetime=" }
            << "1" + row + "8:02:11|12/7/2026|8:02:11|Not Started||Business|0" << "";
        QTest::newRow("reminder ticked, time picked")
            << Codes {} << QStringList { "remcheck", "Text1= /snd/bell.wav ", "Text2=Call back", "cmbremtime@11:45" }
            << "1" + row + "8:02:11|12/7/2026|8:02:11|Not Started||Business|3"
            << "3|12/7/2026|11:45:11|/snd/bell.wav|Call back|";
        QTest::newRow("reminder ticked, time untouched: the time the box shows")
            << Codes {} << QStringList { "+120", "remcheck" }
            << "1" + row + "8:02:11|12/7/2026|8:02:11|Not Started||Business|3" << "3|12/7/2026|8:04:11|||";
        QTest::newRow("reminder ticked, both boxes emptied: the no-date row, choices kept")
            << Codes {} << QStringList { "remcheck", "Text2=Call back", "cmbrem1date=", "cmbremtime=" }
            << "1" + row + "8:02:11|12/7/2026|8:02:11|Not Started||Business|3" << "3|1/3/1900|1/3/1900||Call back|";
        // clang-format on
    }
    void saveWritesTheScheduleAndItsReminder()
    {
        QFETCH(QList<qint64>, codes);
        QFETCH(QStringList, steps);
        QFETCH(QString, schedule);
        QFETCH(QString, newReminder);
        for (qint64 code : codes)
            seedSchedule(db(), code, QStringLiteral("old %1").arg(code));
        seedReminder(db(), 2);
        openNewSchedule();
        this->steps(steps);
        fakes().clock->advance(90);
        clickOn(control("lblsave"));

        QCOMPARE(shown(),
            QList<ShownMessage>({ { "SCHEDULE ADDED SUCCESSFULLY", MessageIcon::Information, "Orrisday" } }));
        QCOMPARE(joinedRows(db(), Table::Schedule).last(), schedule);
        QCOMPARE(joinedRows(db(), Table::Reminder).mid(1),
            newReminder.isEmpty() ? QStringList {} : QStringList { newReminder });
        QWidget *list = loadedWindow(p(), "Frm_Schedule");
        QVERIFY(list && list->isVisible() && !editor());
        QVERIFY(findIn<GroupedGrid>(list, "MSHFlexGrid1")->findRecordRow(2, "Meeting"));
        // The agenda of today shows it at once.
        auto *agenda = findIn<QListWidget>(&p().app().mainWindow(), "lstschedule");
        QVERIFY(!agenda->findItems("Meeting", Qt::MatchExactly).isEmpty());
    }

    void saveRefusesMissingFields_data()
    {
        QTest::addColumn<QString>("emptied");
        for (const char *field : { "txtname", "cmbstatus", "cmbcategory", "cmbstartdate" })
            QTest::newRow(field) << field;
    }
    void saveRefusesMissingFields()
    {
        QFETCH(QString, emptied);
        openNewSchedule();
        enterText(editor(), emptied, "");
        clickOn(control("lblsave"));
        QCOMPARE(shown(), QList<ShownMessage>({ { "Please Enter Data", MessageIcon::Information, "Orrisday" } }));
        QVERIFY(tableTexts(db(), Table::Schedule).isEmpty());
        QVERIFY(editor() && editor()->isVisible());
    }

    void aDateThatCannotBeStoredLeavesTheStoreAsItWas()
    {
        openNewSchedule();
        steps({ "remcheck", "endcheck", "cmbduedate=12/32/2026" });
        clickOn(control("lblsave"));
        QCOMPARE(shown(), QList<ShownMessage>({ { "Please Enter Date ", MessageIcon::Information, "Orrisday" } }));
        QVERIFY(tableTexts(db(), Table::Schedule).isEmpty());
        QVERIFY(tableTexts(db(), Table::Reminder).isEmpty());
        QVERIFY(editor() && editor()->isVisible());
    }

    void pickedDatesKeepTheirOrder_data()
    {
        // clang-format off
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QString>("due"); // the due date's text; empty: End Date unticked
        QTest::addColumn<QDate>("picked");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("due date on the start day") << "cmbduedate" << "12/7/2026" << QDate(2026, 12, 7) << "";
        QTest::newRow("due date before the start") << "cmbduedate" << "12/7/2026" << QDate(2026, 12, 6)
                                                   << "Please enter the correct Date";
        QTest::newRow("reminder on the due day") << "cmbrem1date" << "12/9/2026" << QDate(2026, 12, 9) << "";
        QTest::newRow("reminder after the due day") << "cmbrem1date" << "12/9/2026" << QDate(2026, 12, 10)
                                                    << "Please enter the valid Date";
        QTest::newRow("no due date: reminder after the start") << "cmbrem1date" << "" << QDate(2026, 12, 8)
                                                               << "Please enter the valid Date";
        // clang-format on
    }
    void pickedDatesKeepTheirOrder()
    {
        QFETCH(QString, combo);
        QFETCH(QString, due);
        QFETCH(QDate, picked);
        QFETCH(QString, refusal);
        openNewSchedule();
        clickOn(control("remcheck"));
        if (!due.isEmpty())
            steps({ "endcheck", "cmbduedate=" + due });
        control<DateCombo>(combo)->showPopup();
        auto *calendar = findWidget<Frm_Calendar>("Frm_Calendar");
        QVERIFY(calendar && calendar->isVisible());
        calendar->pick(picked);
        QCOMPARE(control<QComboBox>(combo)->currentText(),
            refusal.isEmpty() ? QStringLiteral("%1/%2/%3").arg(picked.month()).arg(picked.day()).arg(picked.year())
                              : QString());
        QCOMPARE(fakes().dialogs->takeTexts(), refusal.isEmpty() ? QStringList {} : QStringList { refusal });
    }

    void theAdvanceDialogIsOpenedForThisEditor()
    {
        openNewSchedule();
        QVERIFY(!control("cmdadv")->isEnabled());
        clickOn(control("remcheck"));
        QCOMPARE(control<QPushButton>("cmdadv")->text(), QStringLiteral("Advance "));
        clickOn(control("cmdadv"));
        QWidget *advance = findWidget("Frm_Reminder");
        QVERIFY(advance && advance->isVisible());
        QCOMPARE(findIn<QLineEdit>(advance, "Text1")->text(), QStringLiteral("frmschedule_info"));
    }

    void updateRewritesEveryMatchingSchedule_data()
    {
        QTest::addColumn<QStringList>("schedules"); // code|name|rem_no|due date
        QTest::addColumn<QList<int>>("reminders"); // numbers of stored reminders, 12/8/2026 8:15:20
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("message"); // shown once
        QTest::addColumn<QStringList>("schedulesAfter");
        QTest::addColumn<QStringList>("remindersAfter");
        const QString stored = "|12/8/2026|8:15:20|No Sound|Please Check This Out|No Prg";
        const QString updated = "SCHEDULE UPDATED SUCCESSFULLY ";
        QTest::newRow("kept reminder renumbered, stored times kept")
            << QStringList { "1|Meeting|1|12/9/2026" } << QList<int> { 1, 5 } << QStringList { "txtdesp=room 4" }
            << updated
            << QStringList { "1|Meeting|room 4|12/7/2026|9:00:00|12/9/2026|10:00:00|Not Started|High|Business|6" }
            << QStringList { "6" + stored, "5" + stored };
        QTest::newRow("end unticked: it ends at its start")
            << QStringList { "1|Meeting|0|12/9/2026" } << QList<int> {} << QStringList { "endcheck" } << updated
            << QStringList { "1|Meeting|notes|12/7/2026|9:00:00|12/7/2026|9:00:00|Not Started|High|Business|0" }
            << QStringList {};
        QTest::newRow("unticked: its reminder and stray zero rows removed")
            << QStringList { "1|Meeting|1|12/9/2026" } << QList<int> { 1, 0, 2 } << QStringList { "remcheck" }
            << updated
            << QStringList { "1|Meeting|notes|12/7/2026|9:00:00|12/9/2026|10:00:00|Not Started|High|Business|0" }
            << QStringList { "2" + stored };
        QTest::newRow("two alike: both rewritten, each with its own reminder, one message")
            << QStringList { "1|Meeting|0|12/9/2026", "2|Meeting|0|12/9/2026", "3|Other|0|12/9/2026" }
            << QList<int> {} << QStringList { "txtname=Board meeting", "remcheck", "cmbremtime@11:45" } << updated
            << QStringList { "1|Board meeting|notes|12/7/2026|9:00:00|12/9/2026|10:00:00|Not Started|High|Business|1",
                   "2|Board meeting|notes|12/7/2026|9:00:00|12/9/2026|10:00:00|Not Started|High|Business|2",
                   "3|Other|notes|12/7/2026|9:00:00|12/9/2026|10:00:00|Not Started|High|Business|0" }
            << QStringList { "1|12/7/2026|11:45:00|||", "2|12/7/2026|11:45:00|||" };
        QTest::newRow("changed meanwhile: nothing written, not found")
            << QStringList { "1|Meeting|0|12/9/2026" } << QList<int> {} << QStringList { "Text4=Renamed" }
            << "The schedule was not found; it may have been changed or deleted."
            << QStringList { "1|Meeting|notes|12/7/2026|9:00:00|12/9/2026|10:00:00|Not Started|High|Business|0" }
            << QStringList {};
    }
    void updateRewritesEveryMatchingSchedule()
    {
        QFETCH(QStringList, schedules);
        QFETCH(QList<int>, reminders);
        QFETCH(QStringList, steps);
        QFETCH(QString, message);
        QFETCH(QStringList, schedulesAfter);
        QFETCH(QStringList, remindersAfter);
        for (const QString &schedule : schedules) {
            const QStringList f = schedule.split('|');
            seedSchedule(db(), f[0].toLongLong(), f[1], f[2].toLongLong(), "Business", "High", f[3]);
        }
        for (int number : reminders)
            seedReminder(db(), number);
        openStoredSchedule();
        fakes().clock->set(QDate(2026, 12, 7), QTime(11, 0, 0));
        this->steps(steps);
        fakes().clock->advance(3600);
        clickOn(control("lblupdate"));

        const bool found = message == "SCHEDULE UPDATED SUCCESSFULLY ";
        QCOMPARE(shown(),
            QList<ShownMessage>({ { message, found ? MessageIcon::Information : MessageIcon::Warning, "Orrisday" } }));
        QCOMPARE(joinedRows(db(), Table::Schedule), schedulesAfter);
        QCOMPARE(joinedRows(db(), Table::Reminder), remindersAfter);
        QVERIFY(!editor() && loadedWindow(p(), "Frm_Schedule"));
    }

    void cancelReopensTheListAndWritesNothing()
    {
        openNewSchedule();
        clickOn(control("lblcancel"));
        QVERIFY(!editor());
        QVERIFY(loadedWindow(p(), "Frm_Schedule")->isVisible());
        QCOMPARE(p().app().windows().marker(), QStringLiteral("Frm_Schedule"));
        QVERIFY(tableTexts(db(), Table::Schedule).isEmpty());
    }

    void deleteZeroRemovesOnlyRowsNumberedZero()
    {
        seedReminder(db(), 0);
        seedReminder(db(), 4);
        seedReminder(db(), 0, "1/1/2027");
        openNewSchedule();
        qobject_cast<RecordEditor *>(editor())->delete_Zero();
        QCOMPARE(joinedRows(db(), Table::Reminder),
            QStringList { "4|12/8/2026|8:15:20|No Sound|Please Check This Out|No Prg" });
    }
};

QTEST_MAIN(TestScheduleEditor)
#include "test_scheduleeditor.moc"
