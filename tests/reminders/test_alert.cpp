// SPDX-License-Identifier: MIT
#include "app/Frm_Main.h"
#include "reminders/Frm_Alert.h"
#include "reminders/ReminderScan.h"
#include "support/ReminderRows.h"
#include "support/TestProgram.h"
#include "widgets/ElidedLabel.h"

#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>

namespace {

int screenBottom()
{
    return QGuiApplication::primaryScreen()->geometry().bottom() + 1;
}

QTimer *timer(Frm_Alert *alert, const QString &name)
{
    return alert->findChild<QTimer *>(name);
}

QString labelText(Frm_Alert *alert, const QString &name)
{
    return findIn<QLabel>(alert, name)->text();
}

/// Steps the slide in by hand while its timer runs; returns the number of steps.
int slideInByHand(Frm_Alert *alert)
{
    int steps = 0;
    while (alert->isLoaded() && timer(alert, "Timer1")->isActive() && steps < 1000) {
        alert->slideIn();
        ++steps;
    }
    return steps;
}

} // namespace

class TestAlert : public QObject
{
    Q_OBJECT

private slots:
    void loadsBelowTheBottomRightCornerAndSlidesForAboutASecond()
    {
        Frm_Alert alert;
        alert.show();
        QCOMPARE(alert.size(), QSize(226, 140));
        QVERIFY(alert.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(alert.pos(), QPoint(QGuiApplication::primaryScreen()->geometry().right() + 1 - 226, screenBottom()));
        QStringList texts;
        for (const char *name : { "lbltitle", "Label1", "Lblname", "Label2", "lbldesp" })
            texts << labelText(&alert, name);
        QCOMPARE(texts, QStringList({ "", "Name", "Your text here", "Description", " No Message" }));
        QVERIFY(findIn<QWidget>(&alert, "imgX") && findIn<QWidget>(&alert, "imgPointer"));
        QVERIFY(timer(&alert, "Timer1")->isActive());
        QVERIFY(timer(&alert, "Timer1")->interval() >= 10 && timer(&alert, "Timer1")->interval() * 71 <= 1500);
        QCOMPARE(timer(&alert, "Timer3")->interval(), timer(&alert, "Timer1")->interval());
        QCOMPARE(timer(&alert, "Timer2")->interval(), 3000);
    }

    // What does not fit ends in "…"; the whole text stays the label's text and its tooltip.
    void longTextsAreElidedWhole_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("cut");
        QTest::newRow("long name") << "Lblname" << true;
        QTest::newRow("long message") << "lbldesp" << true;
        QTest::newRow("short title") << "lbltitle" << false;
    }
    void longTextsAreElidedWhole()
    {
        QFETCH(QString, label);
        QFETCH(bool, cut);
        const QString name = QStringLiteral("Quarterly review of the Wollongong-Kalgoorlie-Woomera partnership accounts");
        const QString message = QStringLiteral("Bring the signed contracts, the invoices of October and November, the "
                                               "auditor's letter and Supercalifragilisticexpialidociousness");
        Frm_Alert alert;
        alert.setTexts(QStringLiteral("Task Alert"), name, message);
        alert.show();
        const QMap<QString, QString> whole { { "lbltitle", "Task Alert" }, { "Lblname", name }, { "lbldesp", message } };
        auto *shown = findIn<ElidedLabel>(&alert, label);
        QVERIFY(shown);
        QCOMPARE(shown->text(), whole[label]);
        const QStringList lines = shown->shownLines();
        QVERIFY(lines.size() * shown->fontMetrics().lineSpacing() <= shown->contentsRect().height());
        for (const QString &line : lines)
            QVERIFY2(shown->fontMetrics().horizontalAdvance(line) <= shown->contentsRect().width(), qPrintable(line));
        QCOMPARE(lines.last().endsWith(QChar(0x2026)), cut);
        if (cut)
            QCOMPARE(shown->toolTip(), whole[label]);
        else
            QCOMPARE(lines.join(QString()), whole[label]);
    }

    void slidesUpStaysAndSlidesBackToTheBottom()
    {
        QPointer<Frm_Alert> alert = new Frm_Alert;
        alert->show();
        QCOMPARE(slideInByHand(alert), 71);
        QCOMPARE(alert->y(), screenBottom() - 142); // 2130 twips: one step past full exposure
        QVERIFY(timer(alert, "Timer2")->isActive());
        QVERIFY(!timer(alert, "Timer3")->isActive());

        alert->endStay();
        QVERIFY(!timer(alert, "Timer2")->isActive());
        int steps = 0;
        while (alert->isLoaded() && steps < 1000) {
            QCOMPARE(alert->y(), screenBottom() - 142 + 2 * steps);
            alert->slideOut();
            ++steps;
        }
        QCOMPARE(steps, 71);
        QCOMPARE(alert->y(), screenBottom());
        QVERIFY(!alert->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!alert);
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
        const auto tickAt = [&](QTime time) {
            program.fakes.clock->setTime(time);
            scan.tick();
        };

        tickAt(QTime(10, 30, 0));
        QPointer<Frm_Alert> first = scan.alert();
        QVERIFY(first);
        slideInByHand(first);
        QVERIFY(timer(first, "Timer2")->isActive());
        clickOn(findIn<QWidget>(first, "imgX"));
        QVERIFY(!first->isLoaded());
        QVERIFY(!scan.alert());

        tickAt(QTime(10, 30, 5));
        QPointer<Frm_Alert> second = scan.alert();
        QVERIFY(second && second != first);
        QCOMPARE(second->y(), screenBottom());
        QVERIFY(timer(second, "Timer1")->isActive());
        QCOMPARE(labelText(second, "Lblname"), QStringLiteral("Second"));

        // A raise while it is on screen replaces the texts and leaves the slide alone.
        second->slideIn();
        const int top = second->y();
        tickAt(QTime(10, 30, 6));
        QCOMPARE(scan.alert(), second.data());
        QCOMPARE(second->y(), top);
        QVERIFY(timer(second, "Timer1")->isActive());
        QCOMPARE(QStringList({ labelText(second, "Lblname"), labelText(second, "lbldesp") }),
            QStringList({ "Third", "three" }));
    }

    // Where the desktop places windows itself: a plain window that stays, then closes, and never
    // takes the focus.
    void stayingPutItNeitherSlidesNorStaysAboveAll()
    {
        QPointer<Frm_Alert> alert = new Frm_Alert(Frm_Alert::Motion::StayPut);
        const QPoint placed = alert->pos();
        alert->show();
        QCOMPARE(alert->windowType(), Qt::Window);
        QVERIFY(!(alert->windowFlags() & (Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint)));
        QVERIFY(alert->testAttribute(Qt::WA_ShowWithoutActivating));
        QVERIFY(!timer(alert, "Timer1")->isActive());
        QVERIFY(timer(alert, "Timer2")->isActive());
        QCOMPARE(alert->pos(), placed);
        alert->endStay();
        QVERIFY(!alert->isLoaded());
        QVERIFY(!timer(alert, "Timer3")->isActive());
    }

    void theSnoozeIsReachedByKeyboard()
    {
        QPointer<Frm_Alert> alert = new Frm_Alert;
        alert->show();
        auto *choice = findIn<QComboBox>(alert, "cmbsnooze");
        auto *button = findIn<QWidget>(alert, "lblsnooze");
        QCOMPARE(choice->currentText(), QStringLiteral("10 minutes"));
        QCOMPARE(choice->nextInFocusChain(), button);
        QVERIFY(button->focusPolicy() & Qt::TabFocus);
        QSignalSpy snoozed(alert.data(), &Frm_Alert::snoozed);
        QTest::keyClick(choice, Qt::Key_Down);
        QTest::keyClick(button, Qt::Key_Space);
        QCOMPARE(snoozed.size(), 1);
        QCOMPARE(snoozed.first().first().toInt(), 15);
        QVERIFY(!alert->isLoaded());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!alert);
    }
};

QTEST_MAIN(TestAlert)
#include "test_alert.moc"
