// SPDX-License-Identifier: MIT
#include "app/Frm_Main.h"
#include "context/RecordWindows.h"
#include "reminders/EventTrigger.h"
#include "reminders/Frm_Event.h"
#include "support/FreshProgramTest.h"
#include "support/StoreRows.h"
#include "widgets/Frm_Calendar.h"
#include "widgets/TimeCombo.h"

#include <QComboBox>
#include <QListWidget>
#include <QTabWidget>

using store::Table;

namespace {
const QDate Today(2026, 12, 7);
}

class TestEventSetup : public FreshProgramTest
{
    Q_OBJECT

    QWidget *options()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return p().app().windows().find(QStringLiteral("Frm_Option"));
    }
    template <typename T = QWidget> T *control(const QString &name) { return findIn<T>(options(), name); }
    QComboBox *eventBox() { return control<QComboBox>("cmbremname"); }
    QString text(const QString &name) { return control<QComboBox>(name)->currentText(); }

    void openAt(QTime time)
    {
        fakes().clock->set(Today, time);
        p().start();
        p().app().windows().open("Frm_Option");
        QVERIFY(options());
        control<QTabWidget>("SSTab1")->setCurrentIndex(3);
    }
    void ok() { clickOn(control("lblok")); }
    QList<QStringList> events() { return tableTexts(p().app().db(), Table::Event); }
    QStringList row(const QString &name, const QString &date, const QString &time)
    {
        return { QString::number(events().size()), name, date, time };
    }
    void pickMinute(int hour, int minute, QTime clickedAt)
    {
        auto *combo = control<TimeCombo>("cmbeventtime");
        combo->showPopup();
        combo->hourList()->setCurrentRow(hour);
        fakes().clock->setTime(clickedAt);
        QListWidget *minutes = combo->minuteList();
        minutes->setCurrentRow(minute);
        emit minutes->itemClicked(minutes->item(minute));
    }

private slots:
    void offersTheFourEventsAndEmptyBoxes()
    {
        openAt(QTime(8, 2, 11));
        QStringList names;
        for (int i = 0; i < eventBox()->count(); ++i)
            names << eventBox()->itemText(i);
        QCOMPARE(names, QStringList({ "Shut Down Computer", "Restart Computer", "Hibernate", "Log Off" }));
        QCOMPARE(text("cmbremname"), QString());
        QCOMPARE(text("cmbeventtime"), QString());
        QVERIFY(control("List3")->isHidden() && control("List4")->isHidden());

        control<QComboBox>("cmbeventdate")->showPopup();
        auto *calendar = qobject_cast<Frm_Calendar *>(findWidget("Frm_Calendar"));
        QVERIFY(calendar && calendar->isVisible());
        QCOMPARE(calendar->pos(), options()->pos());
        calendar->close();
    }

    void noEventChosen()
    {
        openAt(QTime(8, 2, 11));
        ok();
        QCOMPARE(fakes().dialogs->shown,
            QList<ShownMessage>({ { "Please choose an event from the list.", MessageIcon::Information, "Orrisday" } }));
        QVERIFY(events().isEmpty());
    }

    // What the boxes show is what is stored, and the trigger sees the new row at once.
    void okAtOnceStoresWhatTheBoxesShow()
    {
        openAt(QTime(8, 2, 11));
        fakes().clock->setTime(QTime(8, 3, 0));
        eventBox()->setCurrentIndex(2);
        QCOMPARE(text("cmbeventdate"), QStringLiteral("12/7/2026"));
        QCOMPARE(text("cmbeventtime"), QStringLiteral("8:03:00"));
        ok();
        QCOMPARE(fakes().dialogs->shown,
            QList<ShownMessage>({ { "Event: Hibernate will occur at specified time.", MessageIcon::Information, "Orrisday" } }));
        QCOMPARE(events(), QList<QStringList> { row("Hibernate", "12/7/2026", "8:03:00") });

        // Shown again on the reloaded main window, the event box emptied.
        QVERIFY(options() && options()->isVisible());
        QCOMPARE(p().app().windows().marker(), QStringLiteral("Frm_Option"));
        QCOMPARE(text("cmbremname"), QString());
        QCOMPARE(control<QTabWidget>("SSTab1")->currentIndex(), 3);

        p().app().mainWindow().eventTrigger().tick();
        QVERIFY(p().app().mainWindow().eventTrigger().confirmation());
    }

    void pickedTimeTakesTheSecondsOfTheMinuteClick()
    {
        openAt(QTime(22, 0, 0));
        eventBox()->setCurrentIndex(0);
        pickMinute(23, 5, QTime(22, 1, 40));
        QCOMPARE(text("cmbeventtime"), QStringLiteral("23 : 5"));
        ok();
        QCOMPARE(events(), QList<QStringList> { row("Shut Down Computer", "12/7/2026", "23:05:40") });
    }

    void refused_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("message");
        const QString passed = "The date and time of this event have already passed. Please choose a moment still to come.";
        QTest::newRow("a moment that has passed") << "12/6/2026" << passed;
        QTest::newRow("no date at all") << "" << "Please Enter Date ";
        QTest::newRow("typed text that is no date") << "tomorrow" << "Please Enter Date ";
    }
    void refused()
    {
        QFETCH(QString, date);
        QFETCH(QString, message);
        openAt(QTime(9, 0, 0));
        eventBox()->setCurrentIndex(3);
        control<QComboBox>("cmbeventdate")->setEditText(date);
        ok();
        QCOMPARE(fakes().dialogs->takeTexts(), QStringList { message });
        QVERIFY(events().isEmpty());
        QCOMPARE(text("cmbremname"), QStringLiteral("Log Off"));
    }

    void twoOksStoreTwoRows()
    {
        openAt(QTime(9, 0, 0));
        for (int i = 0; i < 2; ++i) {
            eventBox()->setCurrentIndex(1);
            control<QComboBox>("cmbeventdate")->setEditText("12/8/2026");
            ok();
        }
        QCOMPARE(events().size(), 2);
        QCOMPARE(events().at(1).mid(1), QStringList({ "Restart Computer", "12/8/2026", "9:00:00" }));
    }
};

QTEST_MAIN(TestEventSetup)
#include "test_eventsetup.moc"
