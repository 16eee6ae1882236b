// SPDX-License-Identifier: MIT
// Raised reminders on the desktop's notification service (a fake here), snoozes and opening the
// reminder's record, from the alert or from the notification.
#include "app/Frm_Main.h"
#include "context/RecordWindows.h"
#include "reminders/EventTrigger.h"
#include "reminders/Frm_Alert.h"
#include "reminders/Frm_Event.h"
#include "reminders/ReminderScan.h"
#include "reminders/RepeatingEditor.h"
#include "reminders/SnoozeTimer.h"
#include "store/Repeats.h"
#include "support/FreshProgramTest.h"
#include "support/ReminderRows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>

namespace {

const QDate Today(2026, 12, 7);
const QTime Due(10, 30, 0);

SeededReminder dueAt(const QString &message, const QString &date = "12/7/2026")
{
    return SeededReminder { date, "10 : 30 : 0", "", message, "" };
}

} // namespace

class TestNotifications : public FreshProgramTest
{
    Q_OBJECT

    FakeDesktopNotifier &notifier() { return *fakes().notifier; }
    Frm_Main &main() { return p().app().mainWindow(); }
    Frm_Alert *alert() { return main().reminderScan().alert(); }

    /// The names the notifications shown so far carry, in order.
    QStringList notifiedNames()
    {
        QStringList names;
        for (const FakeDesktopNotifier::Shown &shown : std::as_const(notifier().shown))
            names << shown.notification.body.section('\n', 0, 0);
        return names;
    }
    /// A record of the kind with a reminder; a contact's has its mobile "555 0101".
    void seed(const QString &kind, const QString &name, const SeededReminder &reminder)
    {
        ReminderRows rows(db());
        if (kind == "task")
            rows.task(name, reminder);
        else if (kind == "schedule")
            rows.schedule(name, reminder);
        else if (kind == "note")
            rows.note(name, reminder);
        else
            rows.contact(name, "555 0101", &reminder);
    }
    void startAt(QTime time)
    {
        fakes().clock->set(Today, time);
        p().start();
    }
    /// Ticks both timers as their own timers would at that moment.
    void tickAt(QTime time, QDate day = Today)
    {
        fakes().clock->set(day, time);
        main().reminderScan().tick();
        main().snoozeTimer().tick();
    }
    void raiseTheTask()
    {
        ReminderRows(db()).task("Call the bank", dueAt("About the loan"));
        startAt(Due.addSecs(-1));
        tickAt(Due);
        QVERIFY(alert());
        QCOMPARE(notifier().shown.size(), 1);
    }
    int snoozesStored()
    {
        QSqlQuery count = db().run("SELECT count(*) FROM reminder_snooze");
        return count.next() ? count.value(0).toInt() : -1;
    }

private slots:
    void aRaisedReminderIsNotified_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("body");
        QTest::newRow("task") << "task"
                              << "Task Alert"
                              << "Call the bank\nAbout the loan";
        QTest::newRow("schedule") << "schedule"
                                  << "Schedule Alert"
                                  << "Call the bank\nAbout the loan";
        QTest::newRow("note without message") << "note"
                                              << "Note Alert"
                                              << "Call the bank";
        QTest::newRow("birthday") << "birthday"
                                  << "Birthday Alert"
                                  << "Ann Smith's Birthday\nContact Phone No : 555 0101";
    }
    void aRaisedReminderIsNotified()
    {
        QFETCH(QString, kind);
        QFETCH(QString, summary);
        QFETCH(QString, body);
        const QString name = kind == "birthday" ? "Ann" : "Call the bank";
        const QString message = kind == "birthday" ? "Ann Smith's Birthday" : kind == "note" ? "" : "About the loan";
        seed(kind, name, dueAt(message));
        startAt(Due.addSecs(-1));
        tickAt(Due);
        tickAt(Due.addSecs(1));
        QCOMPARE(notifier().shown.size(), 1);
        const DesktopNotification &shown = notifier().shown.first().notification;
        QCOMPARE(shown.summary, summary);
        QCOMPARE(shown.body, body);
        QVERIFY(shown.critical);
        const QList<std::pair<QString, QString>> actions { { "default", "Open" }, { "snooze-5", "Snooze 5 min" },
            { "snooze-10", "Snooze 10 min" }, { "snooze-15", "Snooze 15 min" }, { "snooze-30", "Snooze 30 min" },
            { "snooze-60", "Snooze 60 min" } };
        QCOMPARE(shown.actions, actions);
    }

    // On unless switched off; the options window shows and keeps the choice.
    void theOptionSwitchesThemOff()
    {
        ReminderRows(db()).task("Call the bank", dueAt("About the loan"));
        startAt(QTime(10, 0, 0));
        const auto openOptions = [&] {
            clickOn(findIn<QWidget>(&main(), "lblOption"));
            QWidget *options = p().app().windows().find("Frm_Option");
            findIn<QTabWidget>(options, "SSTab1")->setCurrentIndex(0);
            return options;
        };
        QWidget *options = openOptions();
        auto *box = findIn<QCheckBox>(options, "chkNotifications");
        QVERIFY(box && box->isChecked());
        box->setChecked(false);
        clickOn(findIn<QWidget>(options, "lblok"));
        clickOn(findIn<QWidget>(options, "lblcancel"));
        QVERIFY(!findIn<QCheckBox>(openOptions(), "chkNotifications")->isChecked());

        tickAt(Due);
        QVERIFY(alert());
        QVERIFY(notifier().shown.isEmpty());
        QVERIFY(fakes().dialogs->shown.isEmpty());
    }

    void theNotificationGoesWithTheAlertOnlyWhenDismissed_data()
    {
        QTest::addColumn<bool>("dismissed");
        QTest::newRow("close picture") << true;
        QTest::newRow("slid out by itself") << false;
    }
    void theNotificationGoesWithTheAlertOnlyWhenDismissed()
    {
        QFETCH(bool, dismissed);
        raiseTheTask();
        Frm_Alert *shown = alert();
        if (dismissed) {
            clickOn(findIn<QWidget>(shown, "imgX"));
        } else {
            shown->endStay();
            while (shown->isLoaded())
                shown->slideOut();
        }
        QVERIFY(!alert());
        QCOMPARE(notifier().closedIds, dismissed ? QList<quint32> { 1 } : QList<quint32> {});
    }

    void aSnoozeRaisesTheReminderOnceAtItsMoment_data()
    {
        QTest::addColumn<bool>("fromTheAlert");
        QTest::addColumn<bool>("restart");
        QTest::newRow("alert's snooze") << true << false;
        QTest::newRow("notification's snooze") << false << false;
        QTest::newRow("program restarted before the moment") << true << true;
    }
    void aSnoozeRaisesTheReminderOnceAtItsMoment()
    {
        QFETCH(bool, fromTheAlert);
        QFETCH(bool, restart);
        raiseTheTask();
        if (fromTheAlert) {
            auto *choice = findIn<QComboBox>(alert(), "cmbsnooze");
            choice->setCurrentIndex(choice->findText("15 minutes"));
            clickOn(findIn<QWidget>(alert(), "lblsnooze"));
        } else {
            notifier().invoke(1, "snooze-15");
        }
        QVERIFY(!alert());
        QCOMPARE(notifier().closedIds, QList<quint32> { 1 });
        QCOMPARE(snoozesStored(), 1);
        if (restart) {
            tickAt(QTime(10, 40, 0));
            p().stop();
            p().start();
        }

        tickAt(QTime(10, 44, 59));
        QVERIFY(!alert());
        tickAt(QTime(10, 45, 0));
        QVERIFY(alert());
        QCOMPARE(findIn<QLabel>(alert(), "Lblname")->text(), QStringLiteral("Call the bank"));
        tickAt(QTime(10, 45, 1));
        tickAt(QTime(10, 46, 0));
        QCOMPARE(notifiedNames(), QStringList({ "Call the bank", "Call the bank" }));
        QCOMPARE(snoozesStored(), 0);
        QVERIFY(fakes().shell->opened.isEmpty());
    }

    // Put off past a time the program was not running, it comes at the next start, once; unless
    // its record has gone.
    void aSnoozeMissedWhileClosedComesAtTheNextStart_data()
    {
        QTest::addColumn<bool>("recordDeleted");
        QTest::newRow("record kept") << false;
        QTest::newRow("record deleted") << true;
    }
    void aSnoozeMissedWhileClosedComesAtTheNextStart()
    {
        QFETCH(bool, recordDeleted);
        raiseTheTask();
        notifier().invoke(1, "snooze-5");
        p().stop();
        if (recordDeleted)
            db().run("DELETE FROM TASK_INFO");
        fakes().clock->set(Today, QTime(12, 0, 0));
        p().start();
        QCOMPARE(alert() != nullptr, !recordDeleted);
        QCOMPARE(notifier().shown.size(), recordDeleted ? 1 : 2);
        QCOMPARE(snoozesStored(), 0);
        p().stop();
        p().start();
        tickAt(QTime(12, 0, 1));
        QCOMPARE(notifier().shown.size(), recordDeleted ? 1 : 2);
    }

    void openBringsTheRecordsEditor_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("fromTheAlert");
        QTest::addColumn<QString>("editor");
        QTest::addColumn<QString>("field");
        QTest::newRow("task, alert clicked") << "task" << true << "FrmTask_Info"
                                             << "txtname";
        QTest::newRow("schedule, notification clicked") << "schedule" << false << "FrmSchedule_Info"
                                                        << "txtname";
        QTest::newRow("note, alert clicked") << "note" << true << "FrmNote_Info"
                                             << "txtname";
        QTest::newRow("birthday, notification clicked") << "birthday" << false << "FrmContact_Info"
                                                        << "txtfname";
    }
    void openBringsTheRecordsEditor()
    {
        QFETCH(QString, kind);
        QFETCH(bool, fromTheAlert);
        QFETCH(QString, editor);
        QFETCH(QString, field);
        const QString name = kind == "birthday" ? "Ann" : "Call the bank";
        // Another record of the kind first: the editor must show the reminder's own.
        seed(kind, "Other", dueAt("Other's", "12/8/2026"));
        seed(kind, name, dueAt("Ann Smith's Birthday"));
        startAt(Due.addSecs(-1));
        main().hide();
        tickAt(Due);
        QVERIFY(alert());
        if (fromTheAlert)
            clickOn(findIn<QWidget>(alert(), "Label2"));
        else
            notifier().invoke(1, "default");
        QVERIFY(!alert());
        QCOMPARE(notifier().closedIds, QList<quint32> { 1 });
        QWidget *opened = p().app().windows().find(editor);
        QVERIFY(opened && opened->isVisible());
        QVERIFY(main().isVisible());
        QCOMPARE(findIn<QLineEdit>(opened, field)->text(), name);
    }

    void anOccurrenceOpensAtItsDay()
    {
        ReminderRows(db()).task("Stretch", dueAt("Daily", "12/6/2026"));
        const QDate first(2026, 12, 6);
        store::setRepeat(db(), store::Table::Task, db().records(store::Table::Task).last().rowid, first,
            store::Repeat { store::RepeatRule { store::Frequency::Daily }, {} });
        startAt(Due.addSecs(-1));
        tickAt(Due);
        notifier().invoke(1, "default");
        auto *editor = qobject_cast<RepeatingEditor *>(p().app().windows().find("FrmTask_Info"));
        QVERIFY(editor && editor->isVisible());
        QCOMPARE(editor->occurrence(), QDate(2026, 12, 7));
    }

    void aComputerEventIsNotifiedUntilItsConfirmationCloses()
    {
        db().insert(store::Table::Event, { { 1, "Restart Computer" }, { 2, "12/7/2026" }, { 3, "22 : 0 : 0" } });
        startAt(QTime(21, 59, 59));
        fakes().clock->setTime(QTime(22, 0, 0));
        main().eventTrigger().tick();
        QCOMPARE(notifier().shown.size(), 1);
        const DesktopNotification &shown = notifier().shown.first().notification;
        QCOMPARE(QStringList({ shown.summary, shown.body }), QStringList({ "Computer Event", "Restart Computer" }));
        QVERIFY(!shown.critical);
        clickOn(findIn<QWidget>(main().eventTrigger().confirmation(), "lblcancel"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(notifier().closedIds, QList<quint32> { 1 });
    }
};

QTEST_MAIN(TestNotifications)
#include "test_notifications.moc"
