// SPDX-License-Identifier: MIT
#include "app/Frm_Main.h"
#include "reminders/Frm_Alert.h"
#include "reminders/ReminderScan.h"
#include "support/ReminderRows.h"
#include "support/TestProgram.h"
#include "widgets/ImageButton.h"

#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTimer>

namespace {

QRect screenArea()
{
    return QGuiApplication::primaryScreen()->geometry();
}

QTimer *timer(Frm_Alert *alert, const QString &name)
{
    return alert->findChild<QTimer *>(name);
}

/// Steps a slide by hand while its timer runs; returns the number of steps.
int stepWhileRunning(Frm_Alert *alert, const QString &timerName, void (Frm_Alert::*step)())
{
    int steps = 0;
    while (alert->isLoaded() && timer(alert, timerName)->isActive() && steps < 1000) {
        (alert->*step)();
        ++steps;
    }
    return steps;
}

void deleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestAlert : public QObject
{
    Q_OBJECT

private slots:
    void loadsBelowTheBottomRightCornerWithItsTexts()
    {
        QPointer<Frm_Alert> alert = new Frm_Alert;
        alert->show();
        QCOMPARE(alert->size(), QSize(226, 140));
        QVERIFY(alert->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(alert->pos(), QPoint(screenArea().right() + 1 - 226, screenArea().bottom() + 1));
        const QList<QPair<QString, QString>> texts { { "lbltitle", "" }, { "Label1", "Name" },
            { "Lblname", "Your text here" }, { "Label2", "Description" }, { "lbldesp", " No Message" } };
        for (const auto &[name, text] : texts)
            QCOMPARE(findIn<QLabel>(alert, name)->text(), text);
        QVERIFY(findIn<ImageButton>(alert, "imgX"));
        QVERIFY(findIn<ImageButton>(alert, "imgPointer"));
        QVERIFY(timer(alert, "Timer1")->isActive());
        QCOMPARE(timer(alert, "Timer2")->interval(), 3000);
        delete alert;
    }

    void slidesUpStaysAndSlidesBackToTheBottom()
    {
        QPointer<Frm_Alert> alert = new Frm_Alert;
        alert->show();
        const int bottom = screenArea().bottom() + 1;

        QCOMPARE(stepWhileRunning(alert, "Timer1", &Frm_Alert::slideIn), 71);
        QCOMPARE(alert->y(), bottom - 142); // 2130 twips: one step past full exposure
        QVERIFY(timer(alert, "Timer2")->isActive());
        QVERIFY(!timer(alert, "Timer3")->isActive());

        alert->endStay();
        QVERIFY(!timer(alert, "Timer2")->isActive());
        int steps = 0;
        while (alert->isLoaded() && steps < 1000) {
            QCOMPARE(alert->y(), bottom - 142 + 2 * steps);
            alert->slideOut();
            ++steps;
        }
        QCOMPARE(steps, 71);
        QCOMPARE(alert->y(), bottom);
        QVERIFY(!alert->isVisible());
        deleteClosedWindows();
        QVERIFY(!alert);
    }

    void slideTakesAboutASecondOnItsTimers()
    {
        QPointer<Frm_Alert> alert = new Frm_Alert;
        alert->show();
        QVERIFY(timer(alert, "Timer1")->interval() >= 10);
        QVERIFY(timer(alert, "Timer1")->interval() * 71 <= 1500);
        QCOMPARE(timer(alert, "Timer3")->interval(), timer(alert, "Timer1")->interval());
        delete alert;
    }

    void closePictureClosesAtOnceAndTheNextAlertSlidesInAfresh()
    {
        TestProgram program;
        ReminderRows rows(program.seed());
        rows.task("First", { "12/7/2026", "10 : 30 : 0", "", "one", "" });
        rows.task("Second", { "12/7/2026", "10 : 30 : 5", "", "two", "" });
        rows.task("Third", { "12/7/2026", "10 : 30 : 6", "", "three", "" });
        program.fakes.clock->set(QDate(2026, 12, 7), QTime(10, 29, 59));
        program.start();
        ReminderScan &scan = program.app().mainWindow().reminderScan();

        program.fakes.clock->setTime(QTime(10, 30, 0));
        scan.tick();
        QPointer<Frm_Alert> first = scan.alert();
        QVERIFY(first);
        stepWhileRunning(first, "Timer1", &Frm_Alert::slideIn);
        QVERIFY(timer(first, "Timer2")->isActive());
        clickOn(findIn<ImageButton>(first, "imgX"));
        QVERIFY(!first->isLoaded());
        QVERIFY(!scan.alert());

        program.fakes.clock->setTime(QTime(10, 30, 5));
        scan.tick();
        QPointer<Frm_Alert> second = scan.alert();
        QVERIFY(second && second != first);
        QCOMPARE(second->y(), screenArea().bottom() + 1);
        QVERIFY(timer(second, "Timer1")->isActive());
        QCOMPARE(findIn<QLabel>(second, "Lblname")->text(), QStringLiteral("Second"));

        // A raise while it is on screen replaces the texts and leaves the slide alone.
        second->slideIn();
        const int top = second->y();
        program.fakes.clock->setTime(QTime(10, 30, 6));
        scan.tick();
        QCOMPARE(scan.alert(), second.data());
        QCOMPARE(second->y(), top);
        QVERIFY(timer(second, "Timer1")->isActive());
        QCOMPARE(findIn<QLabel>(second, "Lblname")->text(), QStringLiteral("Third"));
        QCOMPARE(findIn<QLabel>(second, "lbldesp")->text(), QStringLiteral("three"));
    }
};

QTEST_MAIN(TestAlert)
#include "test_alert.moc"
