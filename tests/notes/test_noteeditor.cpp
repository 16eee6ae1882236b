// SPDX-License-Identifier: MIT
#include "support/FreshProgramTest.h"
#include "support/RecordSteps.h"
#include "widgets/DateCombo.h"
#include "widgets/Frm_Calendar.h"

using store::Table;

class TestNoteEditor : public FreshProgramTest
{
    Q_OBJECT

    QWidget *editor() { return loadedWindow(p(), "FrmNote_Info"); }
    template <typename T = QWidget> T *control(const QString &name) { return findIn<T>(editor(), name); }
    QList<ShownMessage> &shown() { return fakes().dialogs->shown; }
    void steps(const QStringList &steps)
    {
        for (const QString &step : steps)
            runStep(editor(), *fakes().clock, step);
    }

    /// Starts the program at 12/7/2026 8:02:11 and opens the new note or the stored "Memo".
    void openEditor(bool stored)
    {
        fakes().clock->set(QDate(2026, 12, 7), QTime(8, 2, 11));
        p().start();
        QWidget *list = p().app().windows().open("Frm_Note");
        if (stored)
            clickGridRow(list, "MSHFlexGrid1", "Memo", 1);
        clickOn(findIn<QWidget>(list, stored ? "lbledit" : "lblnew"));
        QVERIFY(editor());
        QCOMPARE(editor()->pos(), p().app().windows().place());
    }

private slots:
    void saveAndUpdateWriteTheNoteAndItsReminder_data()
    {
        // clang-format off
        QTest::addColumn<QStringList>("notes"); // code|name|rem_no|description stored
        QTest::addColumn<QList<int>>("reminders"); // numbers of stored reminders
        QTest::addColumn<QStringList>("steps"); // on the new note, or on the stored "Memo" when notes are given
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("notesAfter");
        QTest::addColumn<QStringList>("remindersAfter");
        const QString stored = "|12/8/2026|8:15:20|No Sound|Please Check This Out|No Prg";
        const QString added = "NOTE ADDED SUCCESSFULLY";
        const QString updated = "NOTE UPDATED SUCCESSFULLY ";
        QTest::newRow("save, empty table: code 1, date kept as typed, no reminder")
            << QStringList {} << QList<int> {}
            << QStringList { "txtname= Memo ", "txtdesp=call Ann", "cmbnotedate= 12/9/2026", "cmbnotetime@9:30" }
            << added << QStringList { "1|Memo|call Ann|12/9/2026|9:30:11|0" } << QStringList {};
        QTest::newRow("save after codes 7, 3: code 4; ticked, boxes emptied: the no-date row")
            << QStringList { "7|Old|0|x", "3|Older|0|x" } << QList<int> { 2 }
            << QStringList { "#new", "txtname=Memo", "txtdesp=call Ann", "remcheck", "Text2=Call back",
                             "cmbrem2date=", "cmbremtime=" }
            << added << QStringList { "7|Old|x|12/7/2026|9:00:00|0", "3|Older|x|12/7/2026|9:00:00|0",
                                      "4|Memo|call Ann|12/7/2026|8:02:11|3" }
            << QStringList { "2" + stored, "3|1/3/1900|1/3/1900|||" };
        QTest::newRow("save, ticked later: the time the box shows")
            << QStringList {} << QList<int> {} << QStringList { "txtname=Memo", "txtdesp=call Ann", "+60", "remcheck" }
            << added << QStringList { "1|Memo|call Ann|12/7/2026|8:02:11|1" } << QStringList { "1|12/7/2026|8:03:11|||" };
        QTest::newRow("update: kept reminder renumbered, date trimmed, stored time kept")
            << QStringList { "1|Memo|1|notes" } << QList<int> { 1, 5 }
            << QStringList { "cmbnotedate= 12/9/2026", "txtdesp=call Bob" }
            << updated << QStringList { "1|Memo|call Bob|12/9/2026|9:00:00|6" } << QStringList { "6" + stored, "5" + stored };
        QTest::newRow("update unticked: its reminder and stray zero rows removed")
            << QStringList { "1|Memo|1|notes" } << QList<int> { 1, 0, 2 } << QStringList { "remcheck" }
            << updated << QStringList { "1|Memo|notes|12/7/2026|9:00:00|0" } << QStringList { "2" + stored };
        QTest::newRow("update of two alike: both rewritten, one message")
            << QStringList { "1|Memo|0|first", "2|Memo|0|second" } << QList<int> {} << QStringList { "remcheck" }
            << updated << QStringList { "1|Memo|second|12/7/2026|9:00:00|1", "2|Memo|second|12/7/2026|9:00:00|2" }
            << QStringList { "1|12/7/2026|8:02:11|||", "2|12/7/2026|8:02:11|||" };
        QTest::newRow("update of a note changed meanwhile: not found")
            << QStringList { "1|Memo|0|notes" } << QList<int> {} << QStringList { "Text5=12/8/2026" }
            << "The note was not found; it may have been changed or deleted."
            << QStringList { "1|Memo|notes|12/7/2026|9:00:00|0" } << QStringList {};
        // clang-format on
    }
    void saveAndUpdateWriteTheNoteAndItsReminder()
    {
        QFETCH(QStringList, notes);
        QFETCH(QList<int>, reminders);
        QFETCH(QStringList, steps);
        QFETCH(QString, message);
        QFETCH(QStringList, notesAfter);
        QFETCH(QStringList, remindersAfter);
        for (const QString &note : notes) {
            const QStringList f = note.split('|');
            seedNote(db(), f[0].toLongLong(), f[1], f[2].toLongLong(), f[3]);
        }
        for (int number : reminders)
            seedReminder(db(), number);
        const bool update = !notes.isEmpty() && !steps.contains("#new");
        steps.removeAll("#new");
        openEditor(update);
        this->steps(steps);
        fakes().clock->advance(90);
        clickOn(control(update ? "lblupdate" : "lblsave"));

        const bool done = message.contains("SUCCESSFULLY");
        QCOMPARE(shown(),
            QList<ShownMessage>({ { message, done ? MessageIcon::Information : MessageIcon::Warning,
                done ? "Orrisdaye" : "Orrisday" } }));
        QCOMPARE(joinedRows(db(), Table::Note), notesAfter);
        QCOMPARE(joinedRows(db(), Table::Reminder), remindersAfter);
        QVERIFY(!editor() && loadedWindow(p(), "Frm_Note")->isVisible());
    }

    void saveRefusesMissingFields_data()
    {
        QTest::addColumn<QString>("emptied");
        for (const char *field : { "txtname", "txtdesp", "cmbnotedate" })
            QTest::newRow(field) << field;
    }
    void saveRefusesMissingFields()
    {
        QFETCH(QString, emptied);
        openEditor(false);
        steps({ "txtname=Memo", "txtdesp=call Ann", emptied + "=" });
        clickOn(control("lblsave"));
        QCOMPARE(shown(), QList<ShownMessage>({ { "Please Enter Data", MessageIcon::Information, "Orrisdaye" } }));
        QVERIFY(tableTexts(db(), Table::Note).isEmpty());
        QVERIFY(editor() && editor()->isVisible());
    }

    void theDateKeepsTypedKeysAndAnyPickedReminderDay()
    {
        openEditor(false);
        auto *date = control<QComboBox>("cmbnotedate");
        editor()->activateWindow();
        date->setFocus();
        date->lineEdit()->end(false);
        QTest::keyClick(date, Qt::Key_X);
        QCOMPARE(shown(),
            QList<ShownMessage>({ { "Please Do not Enter Any data", MessageIcon::Information, "Orrisdaye" } }));
        QCOMPARE(date->currentText(), QStringLiteral("12/7/2026x"));

        // No order checks: a reminder day before the note's day is taken.
        clickOn(control("remcheck"));
        control<DateCombo>("cmbrem2date")->showPopup();
        findWidget<Frm_Calendar>("Frm_Calendar")->pick(QDate(2026, 1, 2));
        QCOMPARE(control<QComboBox>("cmbrem2date")->currentText(), QStringLiteral("1/2/2026"));
        QCOMPARE(shown().size(), 1);
    }

    void theAdvanceDialogIsOpenedForThisEditor()
    {
        openEditor(false);
        clickOn(control("remcheck"));
        clickOn(control("cmdadv"));
        QWidget *advance = findWidget("Frm_Reminder");
        QVERIFY(advance && advance->isVisible());
        QCOMPARE(findIn<QLineEdit>(advance, "Text1")->text(), QStringLiteral("frmnote_info"));
    }

    void cancelReopensTheListAndWritesNothing()
    {
        openEditor(false);
        steps({ "txtname=Memo", "txtdesp=call Ann", "lblcancel" });
        QVERIFY(!editor());
        QVERIFY(loadedWindow(p(), "Frm_Note")->isVisible());
        QCOMPARE(p().app().windows().marker(), QStringLiteral("Frm_Note"));
        QVERIFY(tableTexts(db(), Table::Note).isEmpty());
    }
};

QTEST_MAIN(TestNoteEditor)
#include "test_noteeditor.moc"
