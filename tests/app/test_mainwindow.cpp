// SPDX-License-Identifier: MIT
#include "app/AnalogClock.h"
#include "app/Frm_Main.h"
#include "app/RecordWindows.h"
#include "store/Views.h"
#include "support/TestProgram.h"
#include "widgets/ImageButton.h"
#include "widgets/RecordWindow.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>

class TestMainWindow final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void emptyDayTexts();
    void todaysAgenda();
    void chosenDay_data();
    void chosenDay();
    void lastRowOfANameGivesTheDescription();
    void navigationReplacesTheOpenWindow();
    void keyWithoutWindowOpensNothing();
    void pictureAndLinkButtons();
    void hoverPictureGoesBackOverBackground();
    void draggingMovesBothWindows();
    void clockRedrawsOnlyWhileShown();
    void reloadReturnsToToday();

private:
    QWidget *main() { return findWidget(QStringLiteral("Frm_Main")); }
    QStringList items(const QString &list);
    bool enabled(const QString &list) { return findWidget(list)->isEnabled(); }
    QString text(const QString &label) { return findWidget<QLabel>(label)->text(); }
    void addTask(const QString &name, const QString &description, const QString &date);
    void addSchedule(const QString &name, const QString &date, const QString &start, const QString &due);
    void chooseDay(int day);
    void registerDummy(const QString &key);

    std::unique_ptr<TestProgram> m_program;
};

// Every test starts on Monday 7 December 2026, 10:00.
const QDate Today(2026, 12, 7);

void TestMainWindow::init()
{
    m_program = std::make_unique<TestProgram>();
    m_program->fakes.clock->set(Today, QTime(10, 0, 0));
}

void TestMainWindow::cleanup()
{
    m_program.reset();
}

QStringList TestMainWindow::items(const QString &list)
{
    QStringList texts;
    auto *widget = findWidget<QListWidget>(list);
    for (int i = 0; i < widget->count(); ++i)
        texts << widget->item(i)->text();
    return texts;
}

void TestMainWindow::addTask(const QString &name, const QString &description, const QString &date)
{
    auto &db = m_program->seed();
    db.insert(store::Table::Task,
        { { 0, db.nextNumber(store::Table::Task) }, { 1, name }, { 2, description }, { 3, date },
            { 4, QStringLiteral("9 : 0 : 0") } });
}

void TestMainWindow::addSchedule(const QString &name, const QString &date, const QString &start, const QString &due)
{
    auto &db = m_program->seed();
    db.insert(store::Table::Schedule,
        { { 0, db.nextNumber(store::Table::Schedule) }, { 1, name }, { 2, name + QStringLiteral(" notes") },
            { 3, date }, { 4, start }, { 5, date }, { 6, due } });
}

void TestMainWindow::chooseDay(int day)
{
    // Day numbers from 15 upwards to the month's end are unique in the calendar's grid.
    auto *view
        = findIn<QTableView>(findWidget(QStringLiteral("Calendar1")), QStringLiteral("qt_calendar_calendarview"));
    QVERIFY(view);
    for (int row = 0; row < view->model()->rowCount(); ++row)
        for (int column = 0; column < view->model()->columnCount(); ++column) {
            const QModelIndex index = view->model()->index(row, column);
            if (index.data().toString() == QString::number(day) && row > 0) {
                QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
                return;
            }
        }
    QFAIL("day not in the calendar");
}

void TestMainWindow::registerDummy(const QString &key)
{
    m_program->app().windows().add(key, [key](Orrisday &app, QWidget *owner) {
        return new RecordWindow(app, key, key, { 300, 200 }, owner);
    });
}

void TestMainWindow::emptyDayTexts()
{
    m_program->start();
    QCOMPARE(items("lsttask"), QStringList { "No Task For Today" });
    QVERIFY(!enabled("lsttask"));
    QCOMPARE(items("lstschedule"), QStringList { "No Schedule For Today" });
    QVERIFY(!enabled("lstschedule"));
    QCOMPARE(items("lstschedule1"), QStringList {});
    QCOMPARE(text("Label2"), "Task");
    QCOMPARE(text("Label1"), "Schedule");
    QCOMPARE(text("Label3"), "Preview Tasks/Schedules");
    QCOMPARE(text("Label4"), "     From        -     To");
    QCOMPARE(findWidget<QCalendarWidget>("Calendar1")->selectedDate(), Today);

    chooseDay(16);
    QCOMPARE(items("lsttask"), QStringList { " No Task For Today" });
    QCOMPARE(items("lstschedule"), QStringList { "No Schedule For Today" });
    QVERIFY(!enabled("lsttask"));
    QVERIFY(!enabled("lstschedule"));
    QVERIFY(!enabled("lstschedule1"));
    QCOMPARE(text("Label2"), "Task  Of   12/16/2026");
    QCOMPARE(text("Label1"), "Schedule Of  12/16/2026");
}

void TestMainWindow::todaysAgenda()
{
    addTask("Dentist", "", "12/7/2026");
    addTask("Tomorrow's call", "", "12/8/2026");
    addTask("Invoices", "", "2026-12-07 18:30:00");
    addSchedule("Stand-up", "12/7/2026", "9 : 15 : 0", "9:30");
    addSchedule("Last year", "12/7/2025", "9:00", "10:00");
    m_program->start();
    QCOMPARE(items("lsttask"), (QStringList { "Dentist", "Invoices" }));
    QVERIFY(enabled("lsttask"));
    QCOMPARE(items("lstschedule"), QStringList { "Stand-up" });
    QCOMPARE(items("lstschedule1"), QStringList { "9:15:00  -  9:30:00" });
    QVERIFY(enabled("lstschedule"));
}

void TestMainWindow::chosenDay_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<QStringList>("tasks");
    QTest::addColumn<QStringList>("schedules");
    QTest::addColumn<QStringList>("spans");
    QTest::addColumn<bool>("listsEnabled");
    QTest::newRow("busy day") << 15 << QStringList { "Write report", "Call bank" }
                              << QStringList { "Workshop", "Dinner" }
                              << QStringList { "9:00:00  -  12:30:00", "19:00:00  -  21:00:00" } << true;
    QTest::newRow("tasks only") << 20 << QStringList { "Sunday walk" } << QStringList { "No Schedule For Today" }
                                << QStringList {} << false;
    QTest::newRow("nothing") << 28 << QStringList { " No Task For Today" } << QStringList { "No Schedule For Today" }
                             << QStringList {} << false;
}

void TestMainWindow::chosenDay()
{
    QFETCH(int, day);
    QFETCH(QStringList, tasks);
    QFETCH(QStringList, schedules);
    QFETCH(QStringList, spans);
    QFETCH(bool, listsEnabled);
    addTask("Write report", "", "12/15/2026");
    addTask("Sunday walk", "", "12/20/2026");
    addTask("Call bank", "", "12/15/2026");
    addSchedule("Workshop", "12/15/2026", "9:00", "12 : 30 : 0");
    addSchedule("Dinner", "12/15/2026", "19:00", "21:00");
    m_program->start();

    chooseDay(day);
    const QString date = QStringLiteral("12/%1/2026").arg(day);
    QCOMPARE(text("Label2"), "Task  Of   " + date);
    QCOMPARE(text("Label1"), "Schedule Of  " + date);
    QCOMPARE(items("lsttask"), tasks);
    QCOMPARE(enabled("lsttask"), tasks.first().trimmed() != "No Task For Today");
    QCOMPARE(items("lstschedule"), schedules);
    QCOMPARE(items("lstschedule1"), spans);
    QCOMPARE(enabled("lstschedule"), listsEnabled);
    QCOMPARE(enabled("lstschedule1"), listsEnabled);

    // Activating the window again keeps the chosen day.
    m_program->app().mainWindow().fillAgenda();
    QCOMPARE(items("lsttask"), tasks);
}

void TestMainWindow::lastRowOfANameGivesTheDescription()
{
    addTask("Gym", "Monday: legs", "12/7/2026");
    addTask("Gym", "Monday evening: swim", "12/7/2026");
    addTask("Gym", "Another day", "12/9/2026");
    addSchedule("Review", "12/7/2026", "14:00", "15:00");
    m_program->start();

    auto *tasks = findWidget<QListWidget>("lsttask");
    QCOMPARE(items("lsttask"), (QStringList { "Gym", "Gym" }));
    QTest::mouseClick(tasks->viewport(), Qt::LeftButton, {}, tasks->visualItemRect(tasks->item(0)).center());
    // The last row of that name in the table, whatever its day.
    QCOMPARE(findWidget<QPlainTextEdit>("txtdesp")->toPlainText(), "Another day");

    auto *schedules = findWidget<QListWidget>("lstschedule");
    QTest::mouseClick(
        schedules->viewport(), Qt::LeftButton, {}, schedules->visualItemRect(schedules->item(0)).center());
    QCOMPARE(findWidget<QPlainTextEdit>("txtdesp")->toPlainText(), "Review notes");
}

void TestMainWindow::navigationReplacesTheOpenWindow()
{
    m_program->start();
    registerDummy("Frm_Task");
    registerDummy("Frm_Contact");
    QWidget *home = main();
    home->move(100, 50);
    auto *marker = findWidget<QLineEdit>("Text1");

    clickOn(findWidget("lblContact"));
    QPointer<QWidget> contacts = findWidget("Frm_Contact");
    QVERIFY(contacts && contacts->isVisible());
    QCOMPARE(marker->text(), "Frm_Contact");

    clickOn(findWidget("lblTask"));
    QVERIFY(!contacts || !contacts->isVisible());
    QWidget *tasks = findWidget("Frm_Task");
    QVERIFY(tasks && tasks->isVisible());
    QCOMPARE(tasks->pos(), QPoint(192, 146));
    QCOMPARE(marker->text(), "Frm_Task");

    clickOn(findWidget("lblAbout"));
    QTRY_VERIFY(!findWidget("Frm_Task"));
    QWidget *about = findWidget("Frm_About");
    QVERIFY(about && about->isVisible());
    QCOMPARE(about->pos(), QPoint(192, 146));
    QCOMPARE(marker->text(), "Frm_About");
    QCOMPARE(findIn<QLabel>(about, "lblName")->text(), "Orrisday");
    QCOMPARE(findIn<QLabel>(about, "lblVersion")->text(), "Version 1.7.0");

    clickOn(findIn(about, "lblOk"));
    QTRY_VERIFY(!findWidget("Frm_About"));
}

void TestMainWindow::keyWithoutWindowOpensNothing()
{
    m_program->start();
    clickOn(findWidget("lblAbout"));
    QPointer<QWidget> about = findWidget("Frm_About");
    const int windowsBefore = QApplication::topLevelWidgets().size();
    for (const char *name : { "lblTask", "lblAgenda", "lblNote", "lblContact", "lblOption" }) {
        clickOn(findWidget(name));
        QVERIFY2(m_program->fakes.dialogs->shown.isEmpty(), name);
    }
    QTRY_VERIFY(!about);
    QVERIFY(QApplication::topLevelWidgets().size() < windowsBefore);
    QVERIFY(main()->isVisible());
}

void TestMainWindow::pictureAndLinkButtons()
{
    m_program->start();
    auto &shell = m_program->fakes.shell->opened;
    clickOn(findWidget("Picture3"));
    QCOMPARE(shell.size(), 1);
    QCOMPARE(shell.last().first, m_program->folder() + "/orrisday.html");
    clickOn(findWidget("lblTellFriend"));
    QCOMPARE(shell.size(), 2);
    QVERIFY(shell.last().first.startsWith("https://"));
    QCOMPARE(findWidget<QLineEdit>("Text1")->text(), QString());
    QCOMPARE(m_program->fakes.lifecycle->ended, 0);
    clickOn(findWidget("Picture2"));
    QCOMPARE(m_program->fakes.lifecycle->ended, 1);
}

void TestMainWindow::hoverPictureGoesBackOverBackground()
{
    m_program->start();
    auto *task = findWidget<ImageButton>("lblTask");
    QTest::mouseMove(task, task->rect().center());
    QTRY_VERIFY(task->isHovered());
    QTest::mouseMove(main(), QPoint(290, 30));
    QTRY_VERIFY(!task->isHovered());
}

void TestMainWindow::draggingMovesBothWindows()
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

void TestMainWindow::clockRedrawsOnlyWhileShown()
{
    m_program->fakes.clock->setTime(QTime(3, 0, 0, 400));
    m_program->start();
    auto *clock = findWidget<AnalogClock>("p1");
    auto *timer = main()->findChild<QTimer *>("Clock_timer");
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 100);
    QVERIFY(timer->isActive());
    QCOMPARE(clock->shownTime(), QTime(3, 0, 0));

    m_program->fakes.clock->setTime(QTime(3, 0, 1));
    clock->tick();
    QCOMPARE(clock->shownTime(), QTime(3, 0, 1));

    main()->hide();
    QVERIFY(!timer->isActive());
    m_program->fakes.clock->setTime(QTime(3, 0, 7));
    main()->show();
    QVERIFY(timer->isActive());
    QCOMPARE(clock->shownTime(), QTime(3, 0, 7));
}

void TestMainWindow::reloadReturnsToToday()
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

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
