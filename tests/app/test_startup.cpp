// SPDX-License-Identifier: MIT
#include "app/Frm_Main.h"
#include "app/SingleInstance.h"
#include "support/TestProgram.h"

#include <QDir>
#include <QFile>
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
        QCOMPARE(QCoreApplication::applicationName(), "Orrisday");
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
