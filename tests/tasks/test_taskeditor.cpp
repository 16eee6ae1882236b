// SPDX-License-Identifier: MIT
#include "TaskSteps.h"

#include "widgets/ChoiceCombo.h"
#include "widgets/DateCombo.h"
#include "widgets/Frm_Calendar.h"
#include "widgets/ImageButton.h"

#include <QCheckBox>
#include <QLineEdit>

using store::Table;

class TestTaskEditor : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_program;

    TestProgram &p() { return *m_program; }
    store::Database &db() { return p().seed(); }
    QWidget *editor() { return loadedWindow(p(), QStringLiteral("FrmTask_Info")); }
    template <typename T> T *control(const QString &name)
    {
        T *found = findIn<T>(editor(), name);
        if (!found)
            qWarning("no control %s", qPrintable(name));
        return found;
    }

    /// Opens the editor in new mode from the list, filled with the fields every save needs.
    void openNewTask(const QString &name)
    {
        openTaskList(p());
        clickOn(findIn<ImageButton>(loadedWindow(p(), QStringLiteral("Frm_Task")), QStringLiteral("lblnew")));
        QVERIFY(editor());
        control<QLineEdit>(QStringLiteral("txtname"))->setText(name);
        control<ChoiceCombo>(QStringLiteral("cmbstatus"))->setEditText(QStringLiteral("Not Started"));
        control<ChoiceCombo>(QStringLiteral("cmbcategory"))->setEditText(QStringLiteral("Business"));
        pickTime(control<TimeCombo>(QStringLiteral("cmbtime")), 9, 30);
    }

    /// Opens the editor in edit mode on the stored task of that name (date 12/7/2026, 9:00:00).
    void openStoredTask(const QString &name)
    {
        QWidget *list = openTaskList(p());
        clickGridRow(list, QStringLiteral("MSHFlexGrid1"), name);
        clickOn(findIn<ImageButton>(list, QStringLiteral("lbledit")));
        QVERIFY(editor());
    }

    void click(const QString &name) { clickOn(control<QWidget>(name)); }

private slots:
    void init()
    {
        m_program = std::make_unique<TestProgram>();
        db();
    }
    void cleanup() { m_program.reset(); }

    void saveNumbersTheTaskAfterTheLastRow_data()
    {
        QTest::addColumn<QList<qint64>>("codes");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("empty table") << QList<qint64> {} << qint64(1);
        QTest::newRow("last row counts, not the largest") << QList<qint64> { 7, 3 } << qint64(4);
        QTest::newRow("beyond 16 bits") << QList<qint64> { 40000 } << qint64(40001);
    }
    void saveNumbersTheTaskAfterTheLastRow()
    {
        QFETCH(QList<qint64>, codes);
        QFETCH(qint64, expected);
        for (qint64 code : codes)
            seedTask(db(), code, QStringLiteral("old %1").arg(code));
        p().start();
        openNewTask(QStringLiteral("  Write report "));
        control<QLineEdit>(QStringLiteral("txtdesp"))->setText(QStringLiteral(" quarterly "));
        control<ChoiceCombo>(QStringLiteral("cmbpriority"))->setEditText(QStringLiteral("Urgent"));
        click(QStringLiteral("lblsave"));

        QCOMPARE(p().fakes.dialogs->shown,
            QList<ShownMessage>({ { "TASK ADDED SUCCESSFULLY", MessageIcon::Information, "Orrisdaye" } }));
        const QStringList row = tableTexts(db(), Table::Task).last();
        QCOMPARE(row,
            QStringList({ QString::number(expected), "Write report", "quarterly", "12/7/2026", "9:30:00", "Not Started",
                "Urgent", "Business", "0" }));
        QVERIFY(tableTexts(db(), Table::Reminder).isEmpty());
        // The list is back at its place and shows the new task.
        QWidget *list = loadedWindow(p(), QStringLiteral("Frm_Task"));
        QVERIFY(list && list->isVisible());
        QVERIFY(!editor());
        QCOMPARE(p().app().windows().marker(), QStringLiteral("Frm_Task"));
        QVERIFY(findIn<GroupedGrid>(list, QStringLiteral("MSHFlexGrid1"))->findRecordRow(2, "Write report"));
    }

    void saveWithoutATimePickStoresTheLoadTime()
    {
        p().fakes.clock->set(QDate(2026, 12, 7), QTime(8, 2, 11));
        p().start();
        openTaskList(p());
        clickOn(findIn<ImageButton>(loadedWindow(p(), QStringLiteral("Frm_Task")), QStringLiteral("lblnew")));
        control<QLineEdit>(QStringLiteral("txtname"))->setText(QStringLiteral("Dentist"));
        control<ChoiceCombo>(QStringLiteral("cmbstatus"))->setEditText(QStringLiteral("Awaiting"));
        control<ChoiceCombo>(QStringLiteral("cmbcategory"))->setEditText(QStringLiteral("Personal"));
        click(QStringLiteral("remcheck"));
        p().fakes.clock->advance(90);
        click(QStringLiteral("lblsave"));
        QCOMPARE(tableTexts(db(), Table::Task).value(0).value(4), QStringLiteral("8:02:11"));
        QCOMPARE(tableTexts(db(), Table::Reminder).value(0).mid(1, 2), QStringList({ "12/7/2026", "8:02:11" }));
    }

    void saveKeepsStatusBlankAndTrimsCategory()
    {
        p().start();
        openNewTask(QStringLiteral("   "));
        control<ChoiceCombo>(QStringLiteral("cmbstatus"))->setEditText(QStringLiteral(" Completed"));
        control<ChoiceCombo>(QStringLiteral("cmbcategory"))->setEditText(QStringLiteral(" Personal"));
        click(QStringLiteral("lblsave"));
        const QStringList row = tableTexts(db(), Table::Task).value(0);
        QCOMPARE(row.value(1), QString());
        QCOMPARE(row.value(5), QStringLiteral(" Completed"));
        QCOMPARE(row.value(7), QStringLiteral("Personal"));
    }

    void saveWritesTheReminder_data()
    {
        QTest::addColumn<bool>("emptyCombos");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("picked date and time")
            << false << QStringList { "3", "12/7/2026", "11:45:00", "/snd/bell.wav", "Call back", "No Prg" };
        QTest::newRow("both combos emptied") << true << QStringList { "3", "1/3/1900", "1/3/1900", "", "", "" };
    }
    void saveWritesTheReminder()
    {
        QFETCH(bool, emptyCombos);
        QFETCH(QStringList, expected);
        seedReminder(db(), 2);
        p().start();
        openNewTask(QStringLiteral("Dentist"));
        click(QStringLiteral("remcheck"));
        QCOMPARE(control<DateCombo>(QStringLiteral("cmbremdate"))->currentText(), QStringLiteral("12/7/2026"));
        QCOMPARE(control<TimeCombo>(QStringLiteral("cmbremtime"))->currentText(), QStringLiteral("10:00:00"));
        QVERIFY(control<QWidget>(QStringLiteral("cmdadv"))->isEnabled());
        control<QLineEdit>(QStringLiteral("Text1"))->setText(QStringLiteral(" /snd/bell.wav "));
        control<QLineEdit>(QStringLiteral("Text2"))->setText(QStringLiteral("Call back"));
        control<QLineEdit>(QStringLiteral("Text3"))->setText(QStringLiteral("No Prg"));
        if (emptyCombos) {
            control<DateCombo>(QStringLiteral("cmbremdate"))->clearEditText();
            control<TimeCombo>(QStringLiteral("cmbremtime"))->clearEditText();
        } else {
            pickTime(control<TimeCombo>(QStringLiteral("cmbremtime")), 11, 45);
        }
        click(QStringLiteral("lblsave"));

        QCOMPARE(tableTexts(db(), Table::Reminder).last(), expected);
        QCOMPARE(tableTexts(db(), Table::Task).last().last(), QStringLiteral("3"));
    }

    void saveRefusesMissingFields_data()
    {
        QTest::addColumn<QString>("emptied");
        QTest::newRow("name") << "txtname";
        QTest::newRow("status") << "cmbstatus";
        QTest::newRow("category") << "cmbcategory";
        QTest::newRow("date") << "cmbdate";
    }
    void saveRefusesMissingFields()
    {
        QFETCH(QString, emptied);
        p().start();
        openNewTask(QStringLiteral("Dentist"));
        if (auto *edit = qobject_cast<QLineEdit *>(control<QWidget>(emptied)))
            edit->clear();
        else
            control<QComboBox>(emptied)->clearEditText();
        click(QStringLiteral("lblsave"));
        QCOMPARE(p().fakes.dialogs->shown,
            QList<ShownMessage>({ { "Please Enter Data", MessageIcon::Warning, "Orisday" } }));
        QVERIFY(tableTexts(db(), Table::Task).isEmpty());
        QVERIFY(editor() && editor()->isVisible());
    }

    void aDateThatCannotBeStoredWritesNothing()
    {
        p().start();
        openNewTask(QStringLiteral("Dentist"));
        click(QStringLiteral("remcheck"));
        pickTime(control<TimeCombo>(QStringLiteral("cmbremtime")), 11, 45);
        control<DateCombo>(QStringLiteral("cmbdate"))->setEditText(QStringLiteral("7/12/2026x"));
        click(QStringLiteral("lblsave"));
        QCOMPARE(p().fakes.dialogs->shown,
            QList<ShownMessage>({ { "Please Enter Date ", MessageIcon::Information, "Orrisday" } }));
        // The reminder row written before the task row went back with it.
        QVERIFY(tableTexts(db(), Table::Reminder).isEmpty());
        QVERIFY(tableTexts(db(), Table::Task).isEmpty());
        QVERIFY(editor() && editor()->isVisible());
    }

    void keysTypedIntoTheCombosAreAnswered_data()
    {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("textAfter");
        QTest::newRow("start date") << "cmbdate"
                                    << "Please do not entry any data"
                                    << "x";
        QTest::newRow("reminder date") << "cmbremdate"
                                       << " Please Do not Enter Any Data"
                                       << "";
        QTest::newRow("reminder time") << "cmbremtime"
                                       << "Please Do not Enter Any Data"
                                       << "10:00:00x";
        QTest::newRow("category") << "cmbcategory"
                                  << "Please Do not Enter Any data"
                                  << "";
    }
    void keysTypedIntoTheCombosAreAnswered()
    {
        QFETCH(QString, combo);
        QFETCH(QString, message);
        QFETCH(QString, textAfter);
        p().start();
        openNewTask(QStringLiteral("Dentist"));
        click(QStringLiteral("remcheck"));
        auto *target = control<QComboBox>(combo);
        editor()->activateWindow();
        target->setFocus();
        target->lineEdit()->end(false);
        QTest::keyClick(target, Qt::Key_X);
        QCOMPARE(p().fakes.dialogs->shown.value(0), (ShownMessage { message, MessageIcon::Information, "Orrisdaye" }));
        if (combo != QStringLiteral("cmbcategory"))
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
        p().start();
        openNewTask(QStringLiteral("Dentist"));
        click(QStringLiteral("remcheck"));
        control<DateCombo>(QStringLiteral("cmbremdate"))->showPopup();
        auto *calendar = findWidget<Frm_Calendar>(QStringLiteral("Frm_Calendar"));
        QVERIFY(calendar && calendar->isVisible());
        calendar->pick(picked);
        QCOMPARE(control<DateCombo>(QStringLiteral("cmbremdate"))->currentText(), kept);
        QCOMPARE(p().fakes.dialogs->takeTexts(),
            kept.isEmpty() ? QStringList { "Please enter the correct Date" } : QStringList {});
    }

    void updateRenumbersAKeptReminderAndKeepsStoredTimes()
    {
        seedTask(db(), 1, QStringLiteral("Dentist"), 1);
        seedReminder(db(), 1, QStringLiteral("12/8/2026"), QStringLiteral("8 : 15 : 20"), QStringLiteral("No Sound"));
        seedReminder(db(), 5);
        p().start();
        openStoredTask(QStringLiteral("Dentist"));
        QVERIFY(control<QCheckBox>(QStringLiteral("remcheck"))->isChecked());
        QCOMPARE(control<DateCombo>(QStringLiteral("cmbremdate"))->currentText(), QStringLiteral("12/8/2026"));
        QCOMPARE(control<TimeCombo>(QStringLiteral("cmbremtime"))->currentText(), QStringLiteral("8:15:20"));
        control<QLineEdit>(QStringLiteral("txtdesp"))->setText(QStringLiteral("bring card"));
        p().fakes.clock->advance(3600);
        click(QStringLiteral("lblupdate"));

        QCOMPARE(p().fakes.dialogs->shown,
            QList<ShownMessage>({ { "TASK UPDATED SUCCESSFULLY", MessageIcon::Information, "Orrisday" } }));
        QCOMPARE(tableTexts(db(), Table::Task).value(0),
            QStringList(
                { "1", "Dentist", "bring card", "12/7/2026", "9:00:00", "Not Started", "High", "Business", "6" }));
        QCOMPARE(tableTexts(db(), Table::Reminder).value(0),
            QStringList({ "6", "12/8/2026", "8:15:20", "No Sound", "Please Check This Out", "No Prg" }));
        QVERIFY(loadedWindow(p(), QStringLiteral("Frm_Task")));
    }

    void updateWritesNewlyPickedTimes()
    {
        seedTask(db(), 1, QStringLiteral("Dentist"), 1);
        seedReminder(db(), 1);
        p().start();
        openStoredTask(QStringLiteral("Dentist"));
        pickTime(control<TimeCombo>(QStringLiteral("cmbtime")), 14, 5);
        pickTime(control<TimeCombo>(QStringLiteral("cmbremtime")), 13, 50);
        click(QStringLiteral("lblupdate"));
        QCOMPARE(tableTexts(db(), Table::Task).value(0).value(4), QStringLiteral("14:05:00"));
        QCOMPARE(tableTexts(db(), Table::Reminder).value(0).value(2), QStringLiteral("13:50:00"));
    }

    void updateUntickedRemovesTheReminderAndStrayZeroRows()
    {
        seedTask(db(), 1, QStringLiteral("Dentist"), 1);
        seedReminder(db(), 1);
        seedReminder(db(), 0);
        seedReminder(db(), 2, QStringLiteral("1/2/2027"));
        p().start();
        openStoredTask(QStringLiteral("Dentist"));
        click(QStringLiteral("remcheck"));
        QVERIFY(!control<QCheckBox>(QStringLiteral("remcheck"))->isChecked());
        click(QStringLiteral("lblupdate"));

        QCOMPARE(tableTexts(db(), Table::Task).value(0).last(), QStringLiteral("0"));
        const QList<QStringList> reminders = tableTexts(db(), Table::Reminder);
        QCOMPARE(reminders.size(), 1);
        QCOMPARE(reminders.value(0).value(0), QStringLiteral("2"));
    }

    void updateChangesEveryMatchingTask()
    {
        seedTask(db(), 1, QStringLiteral("Dentist"), 0, QStringLiteral("Business"), QStringLiteral("High"), "first");
        seedTask(db(), 2, QStringLiteral("Dentist"), 0, QStringLiteral("Business"), QStringLiteral("High"), "second");
        seedTask(db(), 3, QStringLiteral("Other"));
        p().start();
        openStoredTask(QStringLiteral("Dentist"));
        QCOMPARE(control<QLineEdit>(QStringLiteral("txtdesp"))->text(), QStringLiteral("first"));
        control<QLineEdit>(QStringLiteral("txtname"))->setText(QStringLiteral("Dentist visit"));
        click(QStringLiteral("lblupdate"));

        QCOMPARE(
            p().fakes.dialogs->takeTexts(), QStringList({ "TASK UPDATED SUCCESSFULLY", "TASK UPDATED SUCCESSFULLY" }));
        const QList<QStringList> tasks = tableTexts(db(), Table::Task);
        QCOMPARE(tasks.value(0).value(1), QStringLiteral("Dentist visit"));
        QCOMPARE(tasks.value(1).value(1), QStringLiteral("Dentist visit"));
        QCOMPARE(tasks.value(2).value(1), QStringLiteral("Other"));
    }

    void updateGivesEachMatchingTaskItsOwnReminder()
    {
        seedTask(db(), 1, QStringLiteral("Dentist"));
        seedTask(db(), 2, QStringLiteral("Dentist"));
        p().start();
        openStoredTask(QStringLiteral("Dentist"));
        click(QStringLiteral("remcheck"));
        pickTime(control<TimeCombo>(QStringLiteral("cmbremtime")), 11, 45);
        click(QStringLiteral("lblupdate"));
        const QList<QStringList> tasks = tableTexts(db(), Table::Task);
        QCOMPARE(tasks.value(0).last(), QStringLiteral("1"));
        QCOMPARE(tasks.value(1).last(), QStringLiteral("2"));
        QCOMPARE(tableTexts(db(), Table::Reminder).size(), 2);
    }

    void updateOfATaskWhoseReminderRowIsGoneStillSavesIt()
    {
        seedTask(db(), 1, QStringLiteral("Dentist"), 9);
        p().start();
        openStoredTask(QStringLiteral("Dentist"));
        QVERIFY(!control<QCheckBox>(QStringLiteral("remcheck"))->isChecked());
        control<QLineEdit>(QStringLiteral("txtdesp"))->setText(QStringLiteral("bring card"));
        click(QStringLiteral("lblupdate"));
        QCOMPARE(p().fakes.dialogs->takeTexts(), QStringList({ "TASK UPDATED SUCCESSFULLY" }));
        const QStringList task = tableTexts(db(), Table::Task).value(0);
        QCOMPARE(task.value(2), QStringLiteral("bring card"));
        QCOMPARE(task.value(8), QStringLiteral("0"));
    }

    void aFailedUpdateLeavesTheStoreAsItWas()
    {
        seedTask(db(), 1, QStringLiteral("Dentist"), 1);
        seedReminder(db(), 1);
        p().start();
        const QList<QStringList> tasksBefore = tableTexts(db(), Table::Task);
        const QList<QStringList> remindersBefore = tableTexts(db(), Table::Reminder);
        openStoredTask(QStringLiteral("Dentist"));
        control<DateCombo>(QStringLiteral("cmbremdate"))->setEditText(QStringLiteral("soon"));
        click(QStringLiteral("lblupdate"));
        QCOMPARE(p().fakes.dialogs->takeTexts(), QStringList({ "Please Enter Date " }));
        QCOMPARE(tableTexts(db(), Table::Task), tasksBefore);
        QCOMPARE(tableTexts(db(), Table::Reminder), remindersBefore);
    }

    void cancelReopensTheListAndWritesNothing()
    {
        p().start();
        openNewTask(QStringLiteral("Dentist"));
        click(QStringLiteral("lblcancel"));
        QVERIFY(!editor());
        QVERIFY(loadedWindow(p(), QStringLiteral("Frm_Task"))->isVisible());
        QCOMPARE(p().app().windows().marker(), QStringLiteral("Frm_Task"));
        QVERIFY(tableTexts(db(), Table::Task).isEmpty());
    }
};

QTEST_MAIN(TestTaskEditor)
#include "test_taskeditor.moc"
