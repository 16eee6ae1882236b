// SPDX-License-Identifier: MIT
#include "app/Frm_Main.h"
#include "app/SingleInstance.h"
#include "support/StoreTrouble.h"
#include "support/TestProgram.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QSqlQuery>
#include <sys/file.h>

class TestStartup final : public QObject
{
    Q_OBJECT

private slots:
    void missingDatabaseIsCreatedEmpty()
    {
        TestProgram program;
        QDir(program.folder()).removeRecursively();
        QDir().mkpath(program.folder());
        Orrisday &app = program.start();
        QVERIFY(QFile::exists(program.folder() + "/sys/dll/sysks.dll"));
        // The schema itself is the store's to test; here: all seven tables are there, empty.
        QSqlQuery tables = app.db().run("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name LIKE '%_INFO'");
        QVERIFY(tables.next());
        QCOMPARE(tables.value(0).toInt(), 7);
        QVERIFY(app.db().records(store::Table::Task).isEmpty());
        // Qt's own per-user folders are the data folder's (~/.local/share/orrisday), never beside it.
        QCOMPARE(QCoreApplication::applicationName(), "orrisday");
        QCOMPARE(QGuiApplication::applicationDisplayName(), "Orrisday");
        QCOMPARE(QGuiApplication::desktopFileName(), "org.orrisday.Orrisday");
        QVERIFY(!QGuiApplication::windowIcon().isNull());
        QVERIFY(findWidget("Frm_Main")->isVisible());
        QVERIFY(program.fakes.dialogs->shown.isEmpty());
    }

    void secondStartBringsTheFirstForward()
    {
        TestProgram program;
        Orrisday &first = program.start();
        first.mainWindow().showMinimized();
        first.mainWindow().hide();

        // The second start must not even open the database: were it to, it would create it anew.
        const QString database = program.folder() + "/sys/dll/sysks.dll";
        QVERIFY(QFile::remove(database));
        const int windowsBefore = QApplication::topLevelWidgets().size();

        FakeServices second;
        QVERIFY(!Orrisday::start(program.folder(), second.services()));
        QVERIFY(second.dialogs->shown.isEmpty());
        QVERIFY(!QFile::exists(database));
        QTRY_VERIFY(first.mainWindow().isVisible());
        QVERIFY(!first.mainWindow().isMinimized());
        QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
    }

    void unreachableFirstInstanceIsReported()
    {
        TestProgram program;
        // A first instance that holds the lock but answers no one.
        const QString key = SingleInstance::keyForFolder(program.folder());
        QFile lock(SingleInstance::lockFileFor(key));
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QCOMPARE(flock(lock.handle(), LOCK_EX | LOCK_NB), 0);

        QVERIFY(!Orrisday::start(program.folder(), program.fakes.services()));
        QCOMPARE(program.fakes.dialogs->shown,
            (QList<ShownMessage> { { "Orrisday is already running.", MessageIcon::None, QString() } }));
        QVERIFY(!findWidget("Frm_Main"));
        QVERIFY(!QFile::exists(program.folder() + "/sys/dll/sysks.dll"));
        lock.remove();
    }

    void aDamagedDatabaseIsNamedAndEndsTheStart_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: a database whose table page is damaged
        QTest::newRow("no database at all") << QByteArray("this is no database, only some text\n").repeated(200);
        QTest::newRow("damaged page") << QByteArray();
    }
    void aDamagedDatabaseIsNamedAndEndsTheStart()
    {
        QFETCH(QByteArray, content);
        TestProgram program;
        const QString database = program.folder() + "/sys/dll/sysks.dll";
        if (content.isEmpty()) {
            store::Database(database).run("CREATE TABLE filler (x)");
            damageTable(database, "sqlite_master");
        } else {
            QFile file(database);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        Orrisday::Outcome outcome = Orrisday::Outcome::Started;
        QVERIFY(!Orrisday::start(program.folder(), program.fakes.services(), &outcome));
        QCOMPARE(outcome, Orrisday::Outcome::Failed);
        QCOMPARE(program.fakes.dialogs->shown.size(), 1);
        const QString said = program.fakes.dialogs->shown.first().text;
        QVERIFY2(said.contains(database) && said.contains("damaged") && said.contains(program.folder() + "/Database/")
                && !said.contains("CREATE") && !said.contains("TABLE"),
            qPrintable(said));
        QVERIFY(!findWidget("Frm_Main"));
    }

    void anAgendaThatCannotBeReadSaysSo()
    {
        TestProgram program;
        store::Database &seed = program.seed();
        seed.run("CREATE TABLE filler (x)"); // the schema first, so that the tables' pages follow
        program.start();
        // The agenda reads a day's rows through the date indexes.
        for (const char *damaged : { "TASK_INFO", "SCHEDULE_INFO", "task_by_date", "schedule_by_start" })
            damageTable(program.folder() + "/sys/dll/sysks.dll", damaged);
        program.app().mainWindow().reload();
        program.app().mainWindow().fillAgenda();
        for (const char *name : { "lsttask", "lstschedule" }) {
            auto *list = findWidget<QListWidget>(name);
            QCOMPARE(list->count(), 1);
            QCOMPARE(list->item(0)->text(), QStringLiteral("The database could not be read."));
        }
        QVERIFY(program.fakes.dialogs->shown.isEmpty());
    }

    // Files given to a start are imported by the copy already running, or by the new one.
    void filesGivenAtStartAreImported_data()
    {
        QTest::addColumn<bool>("alreadyRunning");
        QTest::newRow("handed to the running copy") << true;
        QTest::newRow("a new copy imports them") << false;
    }
    void filesGivenAtStartAreImported()
    {
        QFETCH(bool, alreadyRunning);
        TestProgram program;
        const QString file = program.folder() + "/plants.ics";
        QFile ics(file);
        QVERIFY(ics.open(QIODevice::WriteOnly));
        ics.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\nBEGIN:VTODO\r\nUID:p\r\n"
                  "SUMMARY:Water the plants\r\nDTSTART:20261207T090000\r\nEND:VTODO\r\nEND:VCALENDAR\r\n");
        ics.close();

        std::unique_ptr<Orrisday> newCopy;
        FakeServices second;
        if (alreadyRunning) {
            program.start().mainWindow().hide();
            QVERIFY(!Orrisday::start(program.folder(), second.services(), nullptr, { file }));
        } else {
            newCopy = Orrisday::start(program.folder(), program.fakes.services(), nullptr, { file });
            QVERIFY(newCopy);
        }
        QTRY_COMPARE(program.fakes.dialogs->shown,
            (QList<ShownMessage> { { "Imported 1 task, 0 schedules, 0 notes, 0 birthdays, 0 contacts, 0 reminders. 1 added, 0 updated, 0 unchanged.",
                MessageIcon::Information, "Orrisday" } }));
        QVERIFY(second.dialogs->shown.isEmpty());
        // The main window came forward and read the store again.
        auto *tasks = findWidget<QListWidget>("lsttask");
        QVERIFY(tasks && tasks->isVisible());
        QVERIFY(!tasks->findItems("Water the plants", Qt::MatchContains).isEmpty());
    }

    void otherFoldersRunSideBySide()
    {
        TestProgram one, two;
        one.start();
        two.start();
        QVERIFY(one.started() && two.started());
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
