// SPDX-License-Identifier: MIT
#include "app/AnalogClock.h"
#include "app/Frm_Main.h"
#include "context/RecordWindows.h"
#include "support/TestProgram.h"
#include "widgets/ImageButton.h"
#include "widgets/RecordWindow.h"

#include "reminders/RepeatingEditor.h"
#include "store/Repeats.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>

// Every test starts on Monday 7 December 2026, 10:00.
const QDate Today(2026, 12, 7);

class TestMainWindow final : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> m_program;

    QWidget *main() { return findWidget(QStringLiteral("Frm_Main")); }
    bool enabled(const QString &list) { return findWidget(list)->isEnabled(); }
    QString text(const QString &label) { return findWidget<QLabel>(label)->text(); }

    QStringList items(const QString &list)
    {
        QStringList texts;
        auto *widget = findWidget<QListWidget>(list);
        for (int i = 0; i < widget->count(); ++i)
            texts << widget->item(i)->text();
        return texts;
    }

    void clickItem(const QString &list, int row)
    {
        auto *widget = findWidget<QListWidget>(list);
        QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, widget->visualItemRect(widget->item(row)).center());
    }

    void addTask(const QString &name, const QString &description, const QString &date)
    {
        auto &db = m_program->seed();
        db.insert(store::Table::Task, { { 0, db.nextNumber(store::Table::Task) }, { 1, name }, { 2, description },
                                          { 3, date }, { 4, QStringLiteral("9 : 0 : 0") } });
    }

    void addSchedule(const QString &name, const QString &date, const QString &start, const QString &due)
    {
        auto &db = m_program->seed();
        db.insert(store::Table::Schedule,
            { { 0, db.nextNumber(store::Table::Schedule) }, { 1, name }, { 2, name + QStringLiteral(" notes") },
                { 3, date }, { 4, start }, { 5, date }, { 6, due } });
    }

    void chooseDay(int day)
    {
        // Day numbers from 15 upwards to the month's end are unique in the calendar's grid.
        auto *view
            = findIn<QTableView>(findWidget(QStringLiteral("Calendar1")), QStringLiteral("qt_calendar_calendarview"));
        QVERIFY(view);
        for (int row = 1; row < view->model()->rowCount(); ++row)
            for (int column = 0; column < view->model()->columnCount(); ++column) {
                const QModelIndex index = view->model()->index(row, column);
                if (index.data().toString() == QString::number(day)) {
                    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
                    return;
                }
            }
        QFAIL("day not in the calendar");
    }

private slots:
    void init()
    {
        m_program = std::make_unique<TestProgram>();
        m_program->fakes.clock->set(Today, QTime(10, 0, 0));
    }

    void cleanup() { m_program.reset(); }

    // The agenda at start (today, or an empty day) and after a day is chosen in the calendar.
    void agenda_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QStringList>("tasks");
        QTest::addColumn<QStringList>("schedules");
        QTest::addColumn<QStringList>("spans");
        QTest::addColumn<bool>("schedulesEnabled");
        QTest::addColumn<bool>("spansEnabled");
        const QStringList none;
        QTest::newRow("today at start") << Today << 0 << QStringList { "Dentist", "Invoices" }
                                        << QStringList { "Stand-up" } << QStringList { "9:15:00  -  9:30:00" } << true
                                        << true;
        QTest::newRow("empty day at start") << QDate(2026, 12, 9) << 0 << QStringList { "No Task For Today" }
                                            << QStringList { "No Schedule For Today" } << none << false << true;
        QTest::newRow("busy day chosen") << Today << 15 << QStringList { "Write report", "Call bank" }
                                         << QStringList { "Workshop", "Dinner" }
                                         << QStringList { "9:00:00  -  12:30:00", "19:00:00  -  21:00:00" } << true
                                         << true;
        QTest::newRow("day of tasks only chosen") << Today << 20 << QStringList { "Sunday walk" }
                                                  << QStringList { "No Schedule For Today" } << none << false << false;
        QTest::newRow("empty day chosen") << Today << 28 << QStringList { " No Task For Today" }
                                          << QStringList { "No Schedule For Today" } << none << false << false;
    }

    void agenda()
    {
        QFETCH(QDate, today);
        QFETCH(int, chosen);
        QFETCH(QStringList, tasks);
        QFETCH(QStringList, schedules);
        QFETCH(QStringList, spans);
        QFETCH(bool, schedulesEnabled);
        QFETCH(bool, spansEnabled);
        addTask("Dentist", "", "12/7/2026");
        addTask("Tomorrow's call", "", "12/8/2026");
        addTask("Invoices", "", "12/7/2026");
        // A day with a time of day, as an older file may hold it, still counts for its day.
        m_program->seed().run(QStringLiteral("UPDATE TASK_INFO SET TASK_DATE = ? WHERE TASK_NAME = ?"),
            { QStringLiteral("2026-12-07 18:30:00"), QStringLiteral("Invoices") });
        addTask("Write report", "", "12/15/2026");
        addTask("Sunday walk", "", "12/20/2026");
        addTask("Call bank", "", "12/15/2026");
        addSchedule("Stand-up", "12/7/2026", "9 : 15 : 0", "9:30");
        addSchedule("Last year", "12/7/2025", "9:00", "10:00");
        addSchedule("Workshop", "12/15/2026", "9:00", "12 : 30 : 0");
        addSchedule("Dinner", "12/15/2026", "19:00", "21:00");
        m_program->fakes.clock->set(today, QTime(10, 0, 0));
        m_program->start();
        QCOMPARE(findWidget<QCalendarWidget>("Calendar1")->selectedDate(), today);

        if (chosen)
            chooseDay(chosen);
        const QString date = QStringLiteral("12/%1/2026").arg(chosen);
        QCOMPARE(text("Label2"), chosen ? "Task  Of   " + date : QStringLiteral("Task"));
        QCOMPARE(text("Label1"), chosen ? "Schedule Of  " + date : QStringLiteral("Schedule"));
        QCOMPARE(items("lsttask"), tasks);
        QCOMPARE(enabled("lsttask"), tasks.first().trimmed() != "No Task For Today");
        QCOMPARE(items("lstschedule"), schedules);
        QCOMPARE(items("lstschedule1"), spans);
        QCOMPARE(enabled("lstschedule"), schedulesEnabled);
        QCOMPARE(enabled("lstschedule1"), spansEnabled);
        // Captions of two-digit days and one-line texts show whole, without a horizontal scroll bar.
        for (const char *name : { "Label1", "Label2", "Label4" }) {
            auto *label = findWidget<QLabel>(name);
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(), name);
        }
        for (const char *name : { "lsttask", "lstschedule", "lstschedule1" }) {
            auto *list = findWidget<QListWidget>(name);
            list->doItemsLayout();
            QVERIFY2(list->horizontalScrollBar()->maximum() == 0, name);
        }

        // Activating the window again keeps the day shown.
        m_program->app().mainWindow().fillAgenda();
        QCOMPARE(items("lsttask"), tasks);
    }

    // Repeating tasks and schedules show on each day they occur, and on no other.
    void agendaShowsEachOccurrence_data()
    {
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QStringList>("tasks");
        QTest::addColumn<QStringList>("schedules");
        const QStringList noTask { " No Task For Today" }, noSchedule { "No Schedule For Today" };
        QTest::newRow("Wednesday") << 16 << QStringList { "Gym" } << QStringList { "Stand-up" };
        QTest::newRow("left-out day") << 15 << noTask << noSchedule;
        QTest::newRow("sixth and last time") << 18 << QStringList { "Gym" } << noSchedule;
        QTest::newRow("after the count") << 21 << noTask << noSchedule;
        QTest::newRow("31st, and a month ends on it") << 31 << QStringList { "Pay rent" } << noSchedule;
    }

    void agendaShowsEachOccurrence()
    {
        QFETCH(int, chosen);
        QFETCH(QStringList, tasks);
        QFETCH(QStringList, schedules);
        auto &db = m_program->seed();
        const auto repeat = [&](store::Table table, QDate start, const QString &rule, QList<QDate> exceptions = {}) {
            const qint64 rowid = db.records(table).last().rowid;
            store::setRepeat(db, table, rowid, start, store::Repeat { *store::fromRRule(rule, start), exceptions });
        };
        addTask("Gym", "", "12/7/2026");
        repeat(store::Table::Task, Today, "FREQ=WEEKLY;BYDAY=MO,WE,FR;COUNT=6");
        addTask("Pay rent", "", "10/31/2026");
        repeat(store::Table::Task, QDate(2026, 10, 31), "FREQ=MONTHLY;BYMONTHDAY=-1");
        addSchedule("Stand-up", "12/1/2026", "9:00", "9:15");
        repeat(store::Table::Schedule, QDate(2026, 12, 1), "FREQ=DAILY;UNTIL=20261216", { QDate(2026, 12, 15) });
        m_program->start();
        chooseDay(chosen);
        QCOMPARE(items("lsttask"), tasks);
        QCOMPARE(items("lstschedule"), schedules);

        // Enter (or a double-click) opens the record's editor at that day's occurrence.
        if (tasks.first().trimmed() == "No Task For Today")
            return;
        auto *list = findWidget<QListWidget>("lsttask");
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_Return);
        auto *editor = qobject_cast<RepeatingEditor *>(m_program->app().windows().find("FrmTask_Info"));
        QVERIFY(editor && editor->isVisible());
        QCOMPARE(editor->occurrence(), QDate(2026, 12, chosen));
    }

    void lastRowOfANameGivesTheDescription()
    {
        addTask("Gym", "Monday: legs", "12/7/2026");
        addTask("Gym", "Monday evening: swim", "12/7/2026");
        addTask("Gym", "Another day", "12/9/2026");
        addSchedule("Review", "12/7/2026", "14:00", "15:00");
        m_program->start();

        QCOMPARE(items("lsttask"), (QStringList { "Gym", "Gym" }));
        clickItem("lsttask", 0);
        // The last row of that name in the table, whatever its day.
        QCOMPARE(findWidget<QPlainTextEdit>("txtdesp")->toPlainText(), "Another day");
        clickItem("lstschedule", 0);
        QCOMPARE(findWidget<QPlainTextEdit>("txtdesp")->toPlainText(), "Review notes");
    }

    // Each button closes the open window and opens its own beside the main window, named by the marker.
    void navigationReplacesTheOpenWindow()
    {
        m_program->start();
        // A window of a later part plugs in by its key.
        m_program->app().windows().add("Frm_Contact", [](AppContext &app, QWidget *owner) {
            return new RecordWindow(app, "Frm_Contact", "Contacts", { 300, 200 }, owner);
        });
        main()->move(100, 50);

        QPointer<QWidget> previous;
        for (const auto &[button, key] : { std::pair { "lblContact", "Frm_Contact" }, { "lblTask", "Frm_Task" },
                 { "lblAbout", "Frm_About" } }) {
            clickOn(findWidget(button));
            QTRY_VERIFY(!previous);
            QWidget *opened = findWidget(key);
            QVERIFY2(opened && opened->isVisible(), key);
            QCOMPARE(opened->pos(), QPoint(192, 146));
            QCOMPARE(m_program->app().windows().marker(), key);
            previous = opened;
        }
        QCOMPARE(findIn<QLabel>(previous, "lblName")->text(), "Orrisday");
        QCOMPARE(findIn<QLabel>(previous, "lblVersion")->text(), "Version 1.7.0");
        clickOn(findIn(previous, "lblOk"));
        QTRY_VERIFY(!previous);
    }

    void keyWithoutWindowOpensNothing()
    {
        m_program->start();
        clickOn(findWidget("lblAbout"));
        QPointer<QWidget> about = findWidget("Frm_About");
        const int windowsBefore = QApplication::topLevelWidgets().size();
        m_program->app().mainWindow().openRecordWindow("Frm_Nowhere");
        QVERIFY(m_program->fakes.dialogs->shown.isEmpty());
        QTRY_VERIFY(!about);
        QVERIFY(QApplication::topLevelWidgets().size() < windowsBefore);
        QVERIFY(main()->isVisible());
    }

    void pictureAndLinkButtons()
    {
        m_program->start();
        auto &shell = m_program->fakes.shell->opened;
        QStringList tips;
        for (const char *name : { "Picture3", "Picture1", "Picture2" })
            tips << findWidget(name)->toolTip();
        QCOMPARE(tips, (QStringList { "Help", "Hide to the notification area", "Close Orrisday" }));
        clickOn(findWidget("Picture3"));
        QCOMPARE(shell.size(), 1);
        QCOMPARE(shell.last().first, m_program->folder() + "/orrisday.html");
        clickOn(findWidget("lblTellFriend"));
        QCOMPARE(shell.size(), 2);
        QVERIFY(shell.last().first.startsWith("https://"));
        QCOMPARE(findWidget<QLineEdit>("Text1")->text(), QString());
        QCOMPARE(m_program->fakes.lifecycle->ended, 0);
        // No browser, no xdg-open: the user is told, once.
        m_program->fakes.shell->result = false;
        clickOn(findWidget("lblTellFriend"));
        QCOMPARE(m_program->fakes.dialogs->shown.size(), 1);
        QVERIFY(m_program->fakes.dialogs->shown.first().text.startsWith("Orrisday could not open https://"));
        clickOn(findWidget("Picture2"));
        QCOMPARE(m_program->fakes.lifecycle->ended, 1);
    }

    void hoverPictureGoesBackOverBackground()
    {
        m_program->start();
        auto *task = findWidget<ImageButton>("lblTask");
        QTest::mouseMove(task, task->rect().center());
        QTRY_VERIFY(task->isHovered());
        QTest::mouseMove(main(), QPoint(290, 30));
        QTRY_VERIFY(!task->isHovered());
    }

    void draggingMovesBothWindows()
    {
        m_program->start();
        QWidget *home = main();
        home->move(200, 100);
        clickOn(findWidget("lblAbout"));
        QPointer<QWidget> before = findWidget("Frm_About");

        const QPoint grab(290, 30);
        QTest::mousePress(home, Qt::LeftButton, {}, grab);
        QTRY_VERIFY(!before);
        QTest::mouseMove(home, grab + QPoint(10, 0));
        QCOMPARE(home->pos(), QPoint(210, 100));
        QWidget *after = findWidget("Frm_About");
        QVERIFY(after && after->isVisible());
        QCOMPARE(after->pos(), QPoint(302, 196));
        QTest::mouseRelease(home, Qt::LeftButton, {}, grab + QPoint(10, 0));
        QTest::mouseMove(home, grab + QPoint(40, 20));
        QCOMPARE(home->pos(), QPoint(210, 100));
    }

    void clockRedrawsOnlyWhileShown()
    {
        m_program->fakes.clock->setTime(QTime(3, 0, 0, 400));
        m_program->start();
        auto *clock = findWidget<AnalogClock>("p1");
        auto *timer = main()->findChild<QTimer *>("Clock_timer");
        QVERIFY(timer);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 600);
        QCOMPARE(clock->shownTime(), QTime(3, 0, 0));

        m_program->fakes.clock->setTime(QTime(3, 0, 1, 20));
        clock->tick();
        QCOMPARE(clock->shownTime(), QTime(3, 0, 1));
        QCOMPARE(timer->interval(), 980);

        main()->showMinimized();
        QVERIFY(!timer->isActive());
        main()->showNormal();
        QVERIFY(timer->isActive());

        main()->hide();
        QVERIFY(!timer->isActive());
        m_program->fakes.clock->setTime(QTime(3, 0, 7));
        main()->show();
        QVERIFY(timer->isActive());
        QCOMPARE(clock->shownTime(), QTime(3, 0, 7));
    }

    void reloadReturnsToToday()
    {
        addTask("Dentist", "Bring the card", "12/7/2026");
        m_program->start();
        clickOn(findWidget("lblAbout"));
        chooseDay(16);
        addTask("Dentist again", "", "12/7/2026");

        Frm_Main &home = m_program->app().mainWindow();
        QSignalSpy reloaded(&home, &Frm_Main::reloaded);
        home.hide();
        home.reload();
        QCOMPARE(reloaded.size(), 1);
        QVERIFY(home.isVisible());
        QCOMPARE(findWidget<QLineEdit>("Text1")->text(), QString());
        QCOMPARE(findWidget<QCalendarWidget>("Calendar1")->selectedDate(), Today);
        QCOMPARE(text("Label2"), "Task");
        QCOMPARE(items("lsttask"), (QStringList { "Dentist", "Dentist again" }));
        QVERIFY(enabled("lstschedule1"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
