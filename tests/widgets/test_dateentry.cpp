// SPDX-License-Identifier: MIT
// The calendar pop-up and the date combos: opening, routing a pick, the order checks.

#include "EntryWindow.h"
#include "support/SharedProgramTest.h"
#include "widgets/DateCombo.h"
#include "widgets/Frm_Calendar.h"

#include <QLineEdit>
#include <QLocale>

namespace {

const QString CorrectDate = QStringLiteral("Please enter the correct Date");
const QString ValidDate = QStringLiteral("Please enter the valid Date");

} // namespace

class TestDateEntry final : public SharedProgramTest
{
    Q_OBJECT


private slots:
    void cleanup()
    {
        QLocale::setDefault(QLocale::c());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void dropDownOpensThePopupOverTheWindow()
    {
        TestProgram &p = program();
        p.fakes.clock->set(QDate(2026, 12, 7), QTime(10, 0));
        EntryWindow task(QStringLiteral("frmtask_info"));
        auto *cmbdate = new DateCombo(p.app(), QStringLiteral("cmbdate"), &task.window);
        cmbdate->move(200, 120);
        QVERIFY(task.showActive());

        cmbdate->setFocus();
        QTest::keyClick(cmbdate, Qt::Key_F4);

        Frm_Calendar *popup = openCalendar();
        QVERIFY(popup);
        QCOMPARE(popup->pos(), task.window.pos());
        QCOMPARE(popup->calendar()->selectedDate(), QDate(2026, 12, 7));
        QCOMPARE(popup->calendar()->monthShown(), 12);
        QCOMPARE(findIn<QLineEdit>(popup, QStringLiteral("Text2"))->text(), QStringLiteral("cmbdate"));
        QVERIFY(findIn<QLineEdit>(popup, QStringLiteral("Text1"))->isHidden());
        QVERIFY(p.fakes.dialogs->shown.isEmpty());
    }

    void pickIsRoutedToTheNamedCombo_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("text");

        const QDate march5(2027, 3, 5);
        QTest::newRow("task start, C") << "frmtask_info" << "cmbdate" << "C" << march5 << "3/5/2027";
        QTest::newRow("task start, German") << "frmtask_info" << "cmbdate" << "de_DE" << march5 << "3/5/2027";
        QTest::newRow("task reminder, British") << "frmtask_info" << "cmbremdate" << "en_GB" << march5 << "3/5/2027";
        QTest::newRow("schedule start, Arabic digits")
            << "frmschedule_info" << "cmbstartdate" << "ar_EG" << march5 << "3/5/2027";
        QTest::newRow("schedule due") << "frmschedule_info" << "cmbduedate" << "C" << march5 << "3/5/2027";
        QTest::newRow("schedule reminder, Japanese")
            << "frmschedule_info" << "cmbrem1date" << "ja_JP" << march5 << "3/5/2027";
        QTest::newRow("note date") << "frmnote_info" << "cmbnotedate" << "fr_FR" << QDate(2026, 12, 7) << "12/7/2026";
        QTest::newRow("note reminder") << "frmnote_info" << "cmbrem2date" << "C" << QDate(2027, 11, 30) << "11/30/2027";
        QTest::newRow("birthday") << "FrmContact_Info" << "cmbbdate" << "de_DE" << QDate(1990, 1, 9) << "1/9/1990";
        QTest::newRow("event date") << "Frm_Option" << "cmbeventdate" << "C" << QDate(2027, 10, 10) << "10/10/2027";
    }

    void pickIsRoutedToTheNamedCombo()
    {
        QFETCH(QString, window);
        QFETCH(QString, combo);
        QFETCH(QString, locale);
        QFETCH(QDate, day);
        QFETCH(QString, text);

        TestProgram &p = program();
        QLocale::setDefault(QLocale(locale));
        EntryWindow owner(window);
        auto *target = new DateCombo(p.app(), combo, &owner.window);
        auto *other = new DateCombo(p.app(), QStringLiteral("cmbother"), &owner.window);
        other->setEditText(QStringLiteral("1/1/2027"));
        QVERIFY(owner.showActive());

        target->showPopup();
        clickDay(day);

        QCOMPARE(target->currentText(), text);
        QCOMPARE(other->currentText(), QStringLiteral("1/1/2027"));
        QVERIFY(!openCalendar());
        QVERIFY(p.fakes.dialogs->shown.isEmpty());
    }

    void enterOnTheCalendarPicksTheSelectedDay()
    {
        TestProgram &p = program();
        EntryWindow note(QStringLiteral("frmnote_info"));
        auto *cmbnotedate = new DateCombo(p.app(), QStringLiteral("cmbnotedate"), &note.window);
        QVERIFY(note.showActive());

        cmbnotedate->showPopup();
        Frm_Calendar *popup = openCalendar();
        popup->calendar()->setSelectedDate(QDate(2027, 3, 5));
        QTest::keyClick(dayCells(popup), Qt::Key_Return);

        QCOMPARE(cmbnotedate->currentText(), QStringLiteral("3/5/2027"));
        QVERIFY(!openCalendar());
    }

    void nameOutsideTheRoutingLeavesThePopupOpen()
    {
        TestProgram &p = program();
        EntryWindow task(QStringLiteral("frmtask_info"));
        auto *odd = new DateCombo(p.app(), QStringLiteral("cmbwhatever"), &task.window);
        QVERIFY(task.showActive());

        odd->showPopup();
        clickDay(QDate(2027, 3, 5));

        Frm_Calendar *popup = openCalendar();
        QVERIFY(popup);
        QCOMPARE(findIn<QLineEdit>(popup, QStringLiteral("Text1"))->text(), QStringLiteral("3/5/2027"));
        QCOMPARE(odd->currentText(), QString());
    }

    void closePictureWritesNothing()
    {
        TestProgram &p = program();
        EntryWindow task(QStringLiteral("frmtask_info"));
        auto *cmbdate = new DateCombo(p.app(), QStringLiteral("cmbdate"), &task.window);
        cmbdate->setEditText(QStringLiteral("1/2/2027"));
        QVERIFY(task.showActive());

        cmbdate->showPopup();
        clickOn(findIn<QWidget>(openCalendar(), QStringLiteral("imgX")));

        QVERIFY(!openCalendar());
        QCOMPARE(cmbdate->currentText(), QStringLiteral("1/2/2027"));
    }

    void onePopupServesTheLastRequest()
    {
        TestProgram &p = program();
        EntryWindow task(QStringLiteral("frmtask_info"));
        auto *cmbdate = new DateCombo(p.app(), QStringLiteral("cmbdate"), &task.window);
        auto *cmbremdate = new DateCombo(p.app(), QStringLiteral("cmbremdate"), &task.window);
        QVERIFY(task.showActive());

        cmbdate->showPopup();
        Frm_Calendar *first = openCalendar();
        cmbremdate->showPopup();
        QCOMPARE(openCalendar(), first);
        clickDay(QDate(2027, 4, 1));

        QCOMPARE(cmbdate->currentText(), QString());
        QCOMPARE(cmbremdate->currentText(), QStringLiteral("4/1/2027"));
    }

    void nextDropDownLoadsAFreshPopup()
    {
        TestProgram &p = program();
        p.fakes.clock->set(QDate(2026, 12, 7), QTime(10, 0));
        EntryWindow task(QStringLiteral("frmtask_info"));
        auto *cmbdate = new DateCombo(p.app(), QStringLiteral("cmbdate"), &task.window);
        QVERIFY(task.showActive());

        cmbdate->showPopup();
        clickDay(QDate(2027, 4, 1));
        cmbdate->showPopup();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        Frm_Calendar *popup = openCalendar();
        QVERIFY(popup);
        QCOMPARE(popup->calendar()->selectedDate(), QDate(2026, 12, 7));
        clickDay(QDate(2027, 4, 2));
        QCOMPARE(cmbdate->currentText(), QStringLiteral("4/2/2027"));
    }

    void popupFollowsAnotherWindowsRequest()
    {
        TestProgram &p = program();
        EntryWindow task(QStringLiteral("frmtask_info"));
        auto *taskDate = new DateCombo(p.app(), QStringLiteral("cmbdate"), &task.window);
        EntryWindow note(QStringLiteral("frmnote_info"));
        note.window.move(400, 300);
        auto *noteDate = new DateCombo(p.app(), QStringLiteral("cmbnotedate"), &note.window);
        QVERIFY(task.showActive());
        QVERIFY(note.showActive());

        taskDate->showPopup();
        noteDate->showPopup();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(openCalendar()->pos(), note.window.pos());
        clickDay(QDate(2027, 2, 2));

        QCOMPARE(noteDate->currentText(), QStringLiteral("2/2/2027"));
        QCOMPARE(taskDate->currentText(), QString());
    }

    // Task editor: the reminder date may not lie before the start date.
    // Schedule editor: the due date may not lie before the start; the reminder not after the
    // due date, or after the start date while the due date is empty.
    void orderChecks_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("due");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");

        const QString task = QStringLiteral("frmtask_info");
        const QString schedule = QStringLiteral("frmschedule_info");
        const QString none;
        QTest::newRow("task reminder on the start day")
            << task << "cmbremdate" << "3/5/2027" << none << QDate(2027, 3, 5) << "3/5/2027" << none;
        QTest::newRow("task reminder a day before the start")
            << task << "cmbremdate" << "3/5/2027" << none << QDate(2027, 3, 4) << "" << CorrectDate;
        QTest::newRow("task reminder a year after the start")
            << task << "cmbremdate" << "3/5/2027" << none << QDate(2028, 1, 1) << "1/1/2028" << none;
        QTest::newRow("task reminder compared as dates, not texts")
            << task << "cmbremdate" << "12/1/2026" << none << QDate(2027, 2, 1) << "2/1/2027" << none;
        QTest::newRow("task reminder with no start date")
            << task << "cmbremdate" << "" << none << QDate(2000, 1, 1) << "1/1/2000" << none;
        QTest::newRow("task reminder with a start that is no date")
            << task << "cmbremdate" << "x" << none << QDate(2000, 1, 1) << "1/1/2000" << none;
        QTest::newRow("task start date has no check")
            << task << "cmbdate" << "3/5/2027" << none << QDate(2020, 1, 1) << "1/1/2020" << none;
        QTest::newRow("schedule due on the start day")
            << schedule << "cmbduedate" << "3/5/2027" << none << QDate(2027, 3, 5) << "3/5/2027" << none;
        QTest::newRow("schedule due before the start")
            << schedule << "cmbduedate" << "3/5/2027" << none << QDate(2027, 2, 28) << "" << CorrectDate;
        QTest::newRow("schedule reminder on the due day")
            << schedule << "cmbrem1date" << "3/1/2027" << "3/5/2027" << QDate(2027, 3, 5) << "3/5/2027" << none;
        QTest::newRow("schedule reminder later than due")
            << schedule << "cmbrem1date" << "3/1/2027" << "3/5/2027" << QDate(2027, 3, 6) << "" << ValidDate;
        QTest::newRow("schedule reminder before the start, due set")
            << schedule << "cmbrem1date" << "3/1/2027" << "3/5/2027" << QDate(2027, 2, 1) << "2/1/2027" << none;
        QTest::newRow("schedule reminder later than start, due empty")
            << schedule << "cmbrem1date" << "3/1/2027" << "" << QDate(2027, 3, 2) << "" << ValidDate;
        QTest::newRow("schedule reminder on the start day, due empty")
            << schedule << "cmbrem1date" << "3/1/2027" << "" << QDate(2027, 3, 1) << "3/1/2027" << none;
        QTest::newRow("schedule reminder, due and start empty")
            << schedule << "cmbrem1date" << "" << "" << QDate(2030, 1, 1) << "1/1/2030" << none;
    }

    void orderChecks()
    {
        QFETCH(QString, window);
        QFETCH(QString, checked);
        QFETCH(QString, start);
        QFETCH(QString, due);
        QFETCH(QDate, day);
        QFETCH(QString, text);
        QFETCH(QString, message);

        TestProgram &p = program();
        EntryWindow editor(window);
        const bool isTask = window == QStringLiteral("frmtask_info");
        auto *startDate = new DateCombo(p.app(), isTask ? "cmbdate" : "cmbstartdate", &editor.window);
        DateCombo *target = startDate;
        if (isTask) {
            auto *remDate = new DateCombo(p.app(), QStringLiteral("cmbremdate"), &editor.window);
            remDate->requireNotBefore(startDate);
            if (checked == QStringLiteral("cmbremdate"))
                target = remDate;
        } else {
            auto *dueDate = new DateCombo(p.app(), QStringLiteral("cmbduedate"), &editor.window);
            auto *remDate = new DateCombo(p.app(), QStringLiteral("cmbrem1date"), &editor.window);
            dueDate->requireNotBefore(startDate);
            remDate->requireNotAfter(dueDate, startDate);
            dueDate->setEditText(due);
            target = checked == QStringLiteral("cmbduedate") ? dueDate : remDate;
        }
        if (target != startDate)
            startDate->setEditText(start);
        target->setEditText(QStringLiteral("9/9/2009"));
        QVERIFY(editor.showActive());

        target->showPopup();
        clickDay(day);

        QCOMPARE(target->currentText(), text);
        QVERIFY(!openCalendar());
        if (target != startDate)
            QCOMPARE(startDate->currentText(), start);
        QList<ShownMessage> expected;
        if (!message.isEmpty())
            expected << ShownMessage{message, MessageIcon::None, QString()};
        QCOMPARE(p.fakes.dialogs->shown, expected);
    }
};

QTEST_MAIN(TestDateEntry)
#include "test_dateentry.moc"
