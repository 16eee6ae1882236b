// SPDX-License-Identifier: MIT
#include "TaskSteps.h"

#include "support/FreshProgramTest.h"
#include "support/StoreTrouble.h"
#include "widgets/DateCombo.h"
#include "widgets/Frm_Calendar.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>

using store::Table;

class TestTaskEditor : public FreshProgramTest
{
    Q_OBJECT

    QWidget *editor() { return loadedWindow(p(), "FrmTask_Info"); }
    template <typename T = QWidget> T *control(const QString &name) { return findIn<T>(editor(), name); }
    QString textOf(const QString &name) { return control<QComboBox>(name)->currentText(); }
    void click(const QString &name) { clickOn(control(name)); }
    void enter(const QString &name, const QString &text) { enterText(editor(), name, text); }
    /// Picks "H:MM" in a time combo as the user clicks it; anything else picks nothing.
    void pick(const QString &combo, const QString &time)
    {
        const QTime t = QTime::fromString(time, "H:mm");
        if (t.isValid())
            pickTime(control<TimeCombo>(combo), t.hour(), t.minute());
    }
    QList<ShownMessage> &shown() { return fakes().dialogs->shown; }
    /// The named control that has the focus (a combo for its line edit).
    static QString focused()
    {
        QWidget *widget = QApplication::focusWidget();
        while (widget && (widget->objectName().isEmpty() || widget->objectName().startsWith("qt_")))
            widget = widget->parentWidget();
        return widget ? widget->objectName() : QString();
    }

    /// Starts the program and opens the editor in new mode from the list, the required fields entered.
    void openNewTask(
        const QString &name = "Dentist", const QString &status = "Not Started", const QString &category = "Business")
    {
        p().start();
        clickOn(findIn<QWidget>(openTaskList(p()), "lblnew"));
        QVERIFY(editor());
        enter("txtname", name);
        enter("cmbstatus", status);
        enter("cmbcategory", category);
    }

    /// Starts the program and opens the editor in edit mode on the stored task of that name.
    void openStoredTask(const QString &name = "Dentist")
    {
        p().start();
        QWidget *list = openTaskList(p());
        clickGridRow(list, "MSHFlexGrid1", name);
        clickOn(findIn<QWidget>(list, "lbledit"));
        QVERIFY(editor());
    }

private slots:
    void saveWritesTheTaskAndItsReminder_data()
    {
        // clang-format off
        QTest::addColumn<QList<qint64>>("codes"); // task codes already stored, in table order
        QTest::addColumn<QString>("entered"); // name|status|category
        QTest::addColumn<QString>("taskPick"); // minute picked for the task, seconds from the clock; empty: none
        QTest::addColumn<QString>("reminder"); // "unticked", the time picked, "not picked" or "emptied"
        QTest::addColumn<QString>("task"); // the row written, its columns joined by |
        QTest::addColumn<QString>("newReminder"); // the reminder row written besides the stored reminder 2
        using Codes = QList<qint64>;
        QTest::newRow("empty table: code 1; unticked: rem_no 0, no reminder row")
            << Codes {} << "  Write report |Not Started|Business" << "9:30" << "unticked"
            << "1|Write report|quarterly|12/7/2026|9:30:11|Not Started|Urgent|Business|0" << "";
        QTest::newRow("codes 7, 3: the last row counts, not the largest")
            << Codes { 7, 3 } << "Dentist|Not Started|Business" << "9:30" << "unticked"
            << "4|Dentist|quarterly|12/7/2026|9:30:11|Not Started|Urgent|Business|0" << "";
        QTest::newRow("beyond 16 bits")
            << Codes { 40000 } << "Dentist|Not Started|Business" << "9:30" << "unticked"
            << "40001|Dentist|quarterly|12/7/2026|9:30:11|Not Started|Urgent|Business|0" << "";
        QTest::newRow("blank name and status kept, category trimmed")
            << Codes {} << "   | Completed| Personal" << "9:30" << "unticked"
            << "1||quarterly|12/7/2026|9:30:11| Completed|Urgent|Personal|0" << "";
        QTest::newRow("ticked, time picked")
            << Codes {} << "Dentist|Not Started|Business" << "9:30" << "11:45"
            << "1|Dentist|quarterly|12/7/2026|9:30:11|Not Started|Urgent|Business|3"
            << "3|12/7/2026|11:45:11|/snd/bell.wav|Call back|No Prg";
        QTest::newRow("ticked, both combos emptied: the no-date row")
            << Codes {} << "Dentist|Not Started|Business" << "9:30" << "emptied"
            << "1|Dentist|quarterly|12/7/2026|9:30:11|Not Started|Urgent|Business|3" << "3|1/3/1900|1/3/1900|||";
        QTest::newRow("no time picked: the times the boxes show")
            << Codes {} << "Dentist|Awaiting|Personal" << "" << "not picked"
            << "1|Dentist|quarterly|12/7/2026|8:02:11|Awaiting|Urgent|Personal|3"
            << "3|12/7/2026|8:03:11|/snd/bell.wav|Call back|No Prg";
        // clang-format on
    }
    void saveWritesTheTaskAndItsReminder()
    {
        QFETCH(QList<qint64>, codes);
        QFETCH(QString, entered);
        QFETCH(QString, taskPick);
        QFETCH(QString, reminder);
        QFETCH(QString, task);
        QFETCH(QString, newReminder);
        for (qint64 code : codes)
            seedTask(db(), code, QStringLiteral("old %1").arg(code));
        seedReminder(db(), 2);
        fakes().clock->set(QDate(2026, 12, 7), QTime(8, 2, 11));
        const QStringList fields = entered.split('|');
        openNewTask(fields[0], fields[1], fields[2]);
        enter("txtdesp", " quarterly ");
        enter("cmbpriority", "Urgent");
        pick("cmbtime", taskPick);
        fakes().clock->advance(60); // the reminder is ticked a minute after the editor opened
        if (reminder != "unticked") {
            click("remcheck");
            QCOMPARE(textOf("cmbremdate"), QStringLiteral("12/7/2026"));
            QCOMPARE(textOf("cmbremtime"), QStringLiteral("8:03:11"));
            QVERIFY(control("cmdadv")->isEnabled());
            enter("Text1", " /snd/bell.wav ");
            enter("Text2", "Call back");
            enter("Text3", "No Prg");
        }
        if (reminder == "emptied") {
            enter("cmbremdate", "");
            enter("cmbremtime", "");
        }
        pick("cmbremtime", reminder);
        fakes().clock->advance(90);
        click("lblsave");

        QCOMPARE(
            shown(), QList<ShownMessage>({ { "TASK ADDED SUCCESSFULLY", MessageIcon::Information, "Orrisdaye" } }));
        QCOMPARE(joinedRows(db(), Table::Task).last(), task);
        QCOMPARE(joinedRows(db(), Table::Reminder).mid(1),
            newReminder.isEmpty() ? QStringList {} : QStringList { newReminder });
        // The list is back at its place and shows the new task.
        QWidget *list = loadedWindow(p(), "Frm_Task");
        QVERIFY(list && list->isVisible() && !editor());
        QCOMPARE(p().app().windows().marker(), QStringLiteral("Frm_Task"));
        const QString name = task.section('|', 1, 1);
        QVERIFY(findIn<GroupedGrid>(list, "MSHFlexGrid1")->findRecordRow(2, name)
            || findIn<GroupedGrid>(list, "MSHFlexGrid2")->findRecordRow(2, name));
    }

    void saveRefusesMissingFields_data()
    {
        QTest::addColumn<QString>("emptied");
        for (const char *field : { "txtname", "cmbstatus", "cmbcategory", "cmbdate" })
            QTest::newRow(field) << field;
    }
    void saveRefusesMissingFields()
    {
        QFETCH(QString, emptied);
        openNewTask();
        enter(emptied, "");
        click("lblsave");
        QCOMPARE(shown(), QList<ShownMessage>({ { "Please Enter Data", MessageIcon::Warning, "Orisday" } }));
        QVERIFY(tableTexts(db(), Table::Task).isEmpty());
        QVERIFY(editor() && editor()->isVisible());
    }

    void aDateThatCannotBeStoredLeavesTheStoreAsItWas_data()
    {
        QTest::addColumn<bool>("update");
        QTest::addColumn<QString>("combo");
        QTest::newRow("save, start date") << false << "cmbdate";
        QTest::newRow("update, reminder date") << true << "cmbremdate";
    }
    void aDateThatCannotBeStoredLeavesTheStoreAsItWas()
    {
        QFETCH(bool, update);
        QFETCH(QString, combo);
        if (update) {
            seedTask(db(), 1, "Dentist", 1);
            seedReminder(db(), 1);
            openStoredTask();
        } else {
            openNewTask();
            click("remcheck"); // the reminder row is written before the task row
        }
        const QList<QStringList> tasksBefore = tableTexts(db(), Table::Task);
        const QList<QStringList> remindersBefore = tableTexts(db(), Table::Reminder);
        enter(combo, "7/12/2026x");
        click(update ? "lblupdate" : "lblsave");
        QCOMPARE(shown(), QList<ShownMessage>({ { "Please Enter Date ", MessageIcon::Information, "Orrisday" } }));
        QCOMPARE(tableTexts(db(), Table::Task), tasksBefore);
        QCOMPARE(tableTexts(db(), Table::Reminder), remindersBefore);
        QVERIFY(editor() && editor()->isVisible());
    }

    void aStoreFailureIsSaidOnceAndLeavesTheEditorAsItWas_data()
    {
        QTest::addColumn<StoreTrouble>("trouble");
        QTest::addColumn<bool>("update");
        QTest::addColumn<QString>("why"); // the words that say what happened
        for (bool update : { false, true }) {
            const char *action = update ? "update: " : "save: ";
            QTest::addRow("%sread-only", action) << StoreTrouble::ReadOnly << update << "read-only";
            QTest::addRow("%slocked by another program", action) << StoreTrouble::Locked << update << "locked";
            QTest::addRow("%sdamaged page", action) << StoreTrouble::Damaged << update << "damaged";
        }
    }
    void aStoreFailureIsSaidOnceAndLeavesTheEditorAsItWas()
    {
        QFETCH(StoreTrouble, trouble);
        QFETCH(bool, update);
        QFETCH(QString, why);
        if (update) {
            seedTask(db(), 1, "Dentist");
            openStoredTask();
        } else {
            openNewTask();
        }
        // A ticked reminder without date and time: the row would get the no-date value.
        click("remcheck");
        enter("cmbremdate", "");
        enter("cmbremtime", "");
        enter("Text1", "/snd/bell.wav");
        const auto held = bringTrouble(trouble, p().app().db(), p().folder() + "/sys/dll/sysks.dll");
        QElapsedTimer waited;
        waited.start();
        click(update ? "lblupdate" : "lblsave");
        QVERIFY(waited.elapsed() < 1000);

        QCOMPARE(shown().size(), 1);
        const ShownMessage said = shown().first();
        QVERIFY2(said.text.startsWith(update ? "The task could not be updated: " : "The task could not be saved: ")
                && said.text.contains(why),
            qPrintable(said.text));
        QCOMPARE(said.icon, MessageIcon::Warning);
        QVERIFY(editor() && editor()->isVisible());
        QCOMPARE(textOf("cmbremdate"), QString());
        QCOMPARE(textOf("cmbremtime"), QString());
        QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("/snd/bell.wav"));
    }

    // Tab walks the controls as they stand, an empty priority may be left, and the buttons act on
    // Enter and Space; Escape cancels.
    void theKeyboardReachesEverything()
    {
        openNewTask("Dentist", "", "");
        QVERIFY(QTest::qWaitForWindowActive(editor()));
        control("txtname")->setFocus();
        QStringList walked { focused() };
        while (shown().isEmpty() && walked.size() < 12) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << focused();
        }
        // The empty status is refused on leaving, as any required choice, and keeps the focus.
        QCOMPARE(walked, (QStringList { "txtname", "txtdesp", "cmbdate", "cmbtime", "cmbstatus", "cmbstatus" }));
        QCOMPARE(shown().size(), 1);
        shown().clear();
        enter("cmbstatus", "Completed");
        walked.clear();
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << focused();
            if (walked.last() == "cmbcategory")
                enter("cmbcategory", "Business");
        }
        // The empty priority may be left; the disabled reminder controls are passed over.
        QCOMPARE(walked, (QStringList { "cmbpriority", "cmbcategory", "cmbrepeat", "remcheck", "lblsave" }));
        QVERIFY(shown().isEmpty());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(shown().size(), 1);
        QCOMPARE(shown().first().text, QStringLiteral("TASK ADDED SUCCESSFULLY"));
        QCOMPARE(tableTexts(db(), Table::Task).size(), 1);
    }

    void escapeCancels()
    {
        openNewTask();
        QVERIFY(QTest::qWaitForWindowActive(editor()));
        control("txtname")->setFocus();
        QTest::keyClick(control("txtname"), Qt::Key_Escape);
        QVERIFY(!editor());
        QVERIFY(loadedWindow(p(), "Frm_Task")->isVisible());
        QVERIFY(tableTexts(db(), Table::Task).isEmpty());
    }

    void keysTypedIntoTheCombosAreAnswered_data()
    {
        // clang-format off
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("textAfter"); // the category's is checked with the fixed-choice combos
        QTest::newRow("start date") << "cmbdate" << "Please do not entry any data" << "x";
        QTest::newRow("reminder date") << "cmbremdate" << " Please Do not Enter Any Data" << "";
        QTest::newRow("reminder time") << "cmbremtime" << "Please Do not Enter Any Data" << "10:00:00x";
        QTest::newRow("category") << "cmbcategory" << "Please Do not Enter Any data" << "";
        // clang-format on
    }
    void keysTypedIntoTheCombosAreAnswered()
    {
        QFETCH(QString, combo);
        QFETCH(QString, message);
        QFETCH(QString, textAfter);
        openNewTask();
        click("remcheck");
        auto *target = control<QComboBox>(combo);
        editor()->activateWindow();
        target->setFocus();
        target->lineEdit()->end(false);
        QTest::keyClick(target, Qt::Key_X);
        QCOMPARE(shown().value(0), (ShownMessage { message, MessageIcon::Information, "Orrisdaye" }));
        if (combo != "cmbcategory")
            QCOMPARE(target->currentText(), textAfter);
    }

    void aReminderDateBeforeTheStartIsRefused_data()
    {
        QTest::addColumn<QDate>("picked");
        QTest::addColumn<QString>("kept");
        QTest::newRow("same day") << QDate(2026, 12, 7) << "12/7/2026";
        QTest::newRow("a day earlier") << QDate(2026, 12, 6) << "";
    }
    void aReminderDateBeforeTheStartIsRefused()
    {
        QFETCH(QDate, picked);
        QFETCH(QString, kept);
        openNewTask();
        click("remcheck");
        control<DateCombo>("cmbremdate")->showPopup();
        auto *calendar = findWidget<Frm_Calendar>("Frm_Calendar");
        QVERIFY(calendar && calendar->isVisible());
        calendar->pick(picked);
        QCOMPARE(textOf("cmbremdate"), kept);
        QCOMPARE(fakes().dialogs->takeTexts(),
            kept.isEmpty() ? QStringList { "Please enter the correct Date" } : QStringList {});
    }

    void anUndatedReminderShowsEmptyBoxesAndStaysUndated()
    {
        seedTask(db(), 1, "Dentist", 3);
        seedReminder(db(), 3, "1/3/1900", "1/3/1900");
        openStoredTask();
        QCOMPARE((QStringList { textOf("cmbremdate"), textOf("cmbremtime") }), (QStringList { "", "" }));
        click("lblupdate");
        QCOMPARE(joinedRows(db(), Table::Reminder).last().section('|', 1, 2), QStringLiteral("1/3/1900|1/3/1900"));
    }

    void updateRewritesEveryMatchingTask_data()
    {
        QTest::addColumn<QStringList>("tasks"); // code|name|rem_no|description
        QTest::addColumn<QList<int>>("reminders"); // numbers of stored reminders, 12/8/2026 8:15:20
        QTest::addColumn<QStringList>("steps"); // on "Dentist": box=text, combo@H:MM picks, else a click
        QTest::addColumn<QStringList>("tasksAfter");
        QTest::addColumn<QStringList>("remindersAfter");
        const QString stored = "|12/8/2026|8:15:20|No Sound|Please Check This Out|No Prg";
        QTest::newRow("kept reminder renumbered, stored times kept")
            << QStringList { "1|Dentist|1|notes" } << QList<int> { 1, 5 } << QStringList { "txtdesp=bring card" }
            << QStringList { "1|Dentist|bring card|12/7/2026|9:00:00|Not Started|High|Business|6" }
            << QStringList { "6" + stored, "5" + stored };
        QTest::newRow("newly picked times written")
            << QStringList { "1|Dentist|1|notes" } << QList<int> { 1 }
            << QStringList { "cmbtime@14:05", "cmbremtime@13:50" }
            << QStringList { "1|Dentist|notes|12/7/2026|14:05:00|Not Started|High|Business|2" }
            << QStringList { "2|12/8/2026|13:50:00|No Sound|Please Check This Out|No Prg" };
        QTest::newRow("unticked: its reminder and stray zero rows removed")
            << QStringList { "1|Dentist|1|notes" } << QList<int> { 1, 0, 2 } << QStringList { "remcheck" }
            << QStringList { "1|Dentist|notes|12/7/2026|9:00:00|Not Started|High|Business|0" }
            << QStringList { "2" + stored };
        QTest::newRow("two of one name: both rewritten, each with its own reminder")
            << QStringList { "1|Dentist|0|first", "2|Dentist|0|second", "3|Other|0|notes" } << QList<int> {}
            << QStringList { "txtname=Dentist visit", "remcheck", "cmbremtime@11:45" }
            << QStringList { "1|Dentist visit|first|12/7/2026|9:00:00|Not Started|High|Business|1",
                   "2|Dentist visit|first|12/7/2026|9:00:00|Not Started|High|Business|2",
                   "3|Other|notes|12/7/2026|9:00:00|Not Started|High|Business|0" }
            << QStringList { "1|12/7/2026|11:45:00|||", "2|12/7/2026|11:45:00|||" };
        QTest::newRow("its reminder row gone: saved without one")
            << QStringList { "1|Dentist|9|notes" } << QList<int> {} << QStringList { "txtdesp=bring card" }
            << QStringList { "1|Dentist|bring card|12/7/2026|9:00:00|Not Started|High|Business|0" } << QStringList {};
    }
    void updateRewritesEveryMatchingTask()
    {
        QFETCH(QStringList, tasks);
        QFETCH(QList<int>, reminders);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, tasksAfter);
        QFETCH(QStringList, remindersAfter);
        for (const QString &task : tasks) {
            const QStringList f = task.split('|');
            seedTask(db(), f[0].toLongLong(), f[1], f[2].toLongLong(), "Business", "High", f[3]);
        }
        for (int number : reminders)
            seedReminder(db(), number);
        openStoredTask();
        for (const QString &step : steps) {
            if (step.contains('='))
                enter(step.section('=', 0, 0), step.section('=', 1));
            else if (step.contains('@'))
                pick(step.section('@', 0, 0), step.section('@', 1));
            else
                click(step);
        }
        fakes().clock->advance(3600);
        click("lblupdate");

        const ShownMessage updated { "TASK UPDATED SUCCESSFULLY", MessageIcon::Information, "Orrisday" };
        QCOMPARE(shown(), QList<ShownMessage>(tasks.filter("|Dentist|").size(), updated));
        QCOMPARE(joinedRows(db(), Table::Task), tasksAfter);
        QCOMPARE(joinedRows(db(), Table::Reminder), remindersAfter);
        QVERIFY(loadedWindow(p(), "Frm_Task"));
    }

    void anUpdateThatFindsNothingWritesNothingAndSaysSo()
    {
        seedTask(db(), 1, "Dentist");
        openStoredTask();
        db().run("UPDATE TASK_INFO SET TASK_NAME = 'Renamed'");
        enter("txtdesp", "bring card");
        click("lblupdate");
        QCOMPARE(shown(),
            QList<ShownMessage>({ { "The task was not found; it may have been changed or deleted.",
                MessageIcon::Warning, "Orrisday" } }));
        QCOMPARE(joinedRows(db(), Table::Task),
            QStringList { "1|Renamed|notes|12/7/2026|9:00:00|Not Started|High|Business|0" });
        QVERIFY(!editor() && loadedWindow(p(), "Frm_Task"));
    }

    void cancelReopensTheListAndWritesNothing()
    {
        openNewTask();
        click("lblcancel");
        QVERIFY(!editor());
        QVERIFY(loadedWindow(p(), "Frm_Task")->isVisible());
        QCOMPARE(p().app().windows().marker(), QStringLiteral("Frm_Task"));
        QVERIFY(tableTexts(db(), Table::Task).isEmpty());
    }
};

QTEST_MAIN(TestTaskEditor)
#include "test_taskeditor.moc"
