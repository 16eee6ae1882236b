// SPDX-License-Identifier: MIT
// The calendar pop-up and the date combos: opening, routing a pick, the order checks.

#include "EntryWindow.h"
#include "support/SharedProgramTest.h"

#include <QLocale>

namespace {

const QString CorrectDate = QStringLiteral("Please enter the correct Date");
const QString ValidDate = QStringLiteral("Please enter the valid Date");

int openCalendars()
{
    int count = 0;
    for (QWidget *top : QApplication::topLevelWidgets())
        count += qobject_cast<Frm_Calendar *>(top) && top->isVisible();
    return count;
}

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

    // Every drop-down opens a fresh pop-up on today, whatever was picked before.
    void dropDownOpensThePopupOnTodayOverTheWindow()
    {
        fakes().clock->set(QDate(2026, 12, 7), QTime(10, 0));
        EntryWindow task(app(), QStringLiteral("frmtask_info"));
        DateCombo *cmbdate = task.date(QStringLiteral("cmbdate"));
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
        QVERIFY(fakes().dialogs->shown.isEmpty());

        clickDay(QDate(2027, 4, 1));
        cmbdate->showPopup();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(openCalendar()->calendar()->selectedDate(), QDate(2026, 12, 7));
        clickDay(QDate(2027, 4, 2));
        QCOMPARE(cmbdate->currentText(), QStringLiteral("4/2/2027"));
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

        QLocale::setDefault(QLocale(locale));
        EntryWindow owner(app(), window);
        DateCombo *target = owner.date(combo);
        DateCombo *other = owner.date(QStringLiteral("cmbother"), QStringLiteral("1/1/2027"));
        QVERIFY(owner.showActive());

        target->showPopup();
        clickDay(day);

        QCOMPARE(target->currentText(), text);
        QCOMPARE(other->currentText(), QStringLiteral("1/1/2027"));
        QVERIFY(!openCalendar());
        QVERIFY(fakes().dialogs->shown.isEmpty());
    }

    // Enter takes the day like a click; the close picture and a name the pop-up does not route
    // write nothing (the latter keeps the pop-up open, showing the day in Text1).
    void popupEnds_data()
    {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("stillOpen");

        QTest::newRow("Enter picks the selected day") << "cmbdate" << "enter" << "3/5/2027" << false;
        QTest::newRow("close picture writes nothing") << "cmbdate" << "close" << "1/2/2027" << false;
        QTest::newRow("name outside the routing") << "cmbwhatever" << "click" << "1/2/2027" << true;
    }

    void popupEnds()
    {
        QFETCH(QString, combo);
        QFETCH(QString, how);
        QFETCH(QString, text);
        QFETCH(bool, stillOpen);

        EntryWindow task(app(), QStringLiteral("frmtask_info"));
        DateCombo *target = task.date(combo, QStringLiteral("1/2/2027"));
        QVERIFY(task.showActive());

        target->showPopup();
        Frm_Calendar *popup = openCalendar();
        QVERIFY(popup);
        if (how == QStringLiteral("enter")) {
            popup->calendar()->setSelectedDate(QDate(2027, 3, 5));
            QTest::keyClick(dayCells(popup), Qt::Key_Return);
        } else if (how == QStringLiteral("close")) {
            clickOn(findIn<QWidget>(popup, QStringLiteral("imgX")));
        } else {
            clickDay(QDate(2027, 3, 5));
        }

        QCOMPARE(target->currentText(), text);
        QCOMPARE(openCalendar() != nullptr, stillOpen);
        if (stillOpen)
            QCOMPARE(findIn<QLineEdit>(popup, QStringLiteral("Text1"))->text(), QStringLiteral("3/5/2027"));
    }

    // Only one pop-up is ever open; a second drop-down, in the same or another editor, takes it over.
    void secondDropDownTakesThePick_data()
    {
        QTest::addColumn<bool>("sameWindow");
        QTest::newRow("same window") << true;
        QTest::newRow("another window") << false;
    }

    void secondDropDownTakesThePick()
    {
        QFETCH(bool, sameWindow);

        EntryWindow task(app(), QStringLiteral("frmtask_info"));
        EntryWindow note(app(), QStringLiteral("frmnote_info"));
        note.window.move(400, 300);
        DateCombo *first = task.date(QStringLiteral("cmbdate"));
        DateCombo *second = sameWindow ? task.date(QStringLiteral("cmbremdate")) : note.date(QStringLiteral("cmbnotedate"));
        QVERIFY(task.showActive());
        QVERIFY(sameWindow || note.showActive());

        first->showPopup();
        second->showPopup();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(openCalendars(), 1);
        QCOMPARE(openCalendar()->pos(), second->window()->pos());
        clickDay(QDate(2027, 4, 1));

        QCOMPARE(first->currentText(), QString());
        QCOMPARE(second->currentText(), QStringLiteral("4/1/2027"));
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

        EntryWindow editor(app(), window);
        const bool isTask = window == QStringLiteral("frmtask_info");
        DateCombo *startDate = editor.date(isTask ? "cmbdate" : "cmbstartdate", start);
        if (isTask) {
            editor.date(QStringLiteral("cmbremdate"))->requireNotBefore(startDate);
        } else {
            DateCombo *dueDate = editor.date(QStringLiteral("cmbduedate"), due);
            dueDate->requireNotBefore(startDate);
            editor.date(QStringLiteral("cmbrem1date"))->requireNotAfter(dueDate, startDate);
        }
        auto *target = editor.window.findChild<DateCombo *>(checked);
        target->setEditText(QStringLiteral("9/9/2009"));
        QVERIFY(editor.showActive());

        target->showPopup();
        clickDay(day);

        QCOMPARE(target->currentText(), text);
        QVERIFY(!openCalendar());
        if (target != startDate)
            QCOMPARE(startDate->currentText(), start);
        QCOMPARE(fakes().dialogs->shown, messageIfAny(message, MessageIcon::None, QString()));
    }
};

QTEST_MAIN(TestDateEntry)
#include "test_dateentry.moc"
