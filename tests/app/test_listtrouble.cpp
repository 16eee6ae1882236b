// SPDX-License-Identifier: MIT
// The list windows meeting a store in trouble or a row gone from under them.
#include "reminders/ReminderScan.h"
#include "support/FreshProgramTest.h"
#include "support/ListKinds.h"
#include "support/RecordSteps.h"
#include "support/StoreTrouble.h"

using store::Table;


class TestListTrouble : public FreshProgramTest
{
    Q_OBJECT

    const ListKind *m_kind = nullptr;

    QWidget *list() { return loadedWindow(p(), m_kind->list); }
    QWidget *editor() { return loadedWindow(p(), m_kind->editor); }
    void click(QWidget *window, const QString &name) { clickOn(findIn<QWidget>(window, name)); }
    QList<ShownMessage> &shown() { return fakes().dialogs->shown; }

    /// Seeds one row of a kind and starts the program.
    void startWith(int kind)
    {
        m_kind = &ListKinds[kind];
        db().insert(m_kind->table, m_kind->seeded);
        p().start();
    }

private slots:
    void aStoreFailureInEditOrDeleteLeavesTheListAsItIs_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("failed");
        for (int kind = 0; kind < int(std::size(ListKinds)); ++kind) {
            QTest::addRow("%s, edit", ListKinds[kind].noun) << kind << "lbledit" << "opened";
            QTest::addRow("%s, delete", ListKinds[kind].noun) << kind << "lblDelete" << "deleted";
        }
    }
    void aStoreFailureInEditOrDeleteLeavesTheListAsItIs()
    {
        QFETCH(int, kind);
        QFETCH(QString, button);
        QFETCH(QString, failed);
        startWith(kind);
        QWidget *before = p().app().windows().open(m_kind->list);
        clickGridRow(before, "MSHFlexGrid1", m_kind->shown, m_kind->shownColumn);
        const QString table = store::tableInfo(m_kind->table).name;
        db().run(QStringLiteral("ALTER TABLE %1 RENAME TO %1_AWAY").arg(table));
        click(before, button);
        const QString message = QStringLiteral("The %1 could not be %2. Please try again.").arg(m_kind->noun, failed);
        QCOMPARE(shown(), QList<ShownMessage>({ { message, MessageIcon::Warning, "Orrisday" } }));
        QCOMPARE(list(), before);
        QVERIFY(before->isVisible() && !editor());
        QVERIFY(p().app().mainWindow().reminderScan().isActive());
    }

    void editOfAStaleSelectionClosesTheList_data()
    {
        QTest::addColumn<int>("kind");
        for (int kind : { 0, 1 }) // tasks and schedules
            QTest::addRow("%s", ListKinds[kind].noun) << kind;
    }
    void editOfAStaleSelectionClosesTheList()
    {
        QFETCH(int, kind);
        startWith(kind);
        QWidget *before = p().app().windows().open(m_kind->list);
        clickGridRow(before, "MSHFlexGrid1", m_kind->shown, m_kind->shownColumn);
        db().run(QStringLiteral("DELETE FROM %1").arg(store::tableInfo(m_kind->table).name));
        click(before, "lbledit");
        QVERIFY(!list() && !editor());
        QVERIFY(shown().isEmpty());
    }

    void aListThatCannotBeReadSaysSoOnce_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<StoreTrouble>("trouble");
        QTest::addColumn<QString>("why");
        for (int kind = 0; kind < int(std::size(ListKinds)); ++kind) {
            QTest::addRow("%s, locked", ListKinds[kind].noun) << kind << StoreTrouble::Locked << "locked";
            QTest::addRow("%s, damaged", ListKinds[kind].noun) << kind << StoreTrouble::Damaged << "damaged";
        }
    }
    void aListThatCannotBeReadSaysSoOnce()
    {
        QFETCH(int, kind);
        QFETCH(StoreTrouble, trouble);
        QFETCH(QString, why);
        startWith(kind);
        const QString file = p().folder() + "/sys/dll/sysks.dll";
        const auto held = bringTrouble(trouble, p().app().db(), file);
        if (trouble == StoreTrouble::Damaged)
            damageTable(file, store::tableInfo(m_kind->table).name);
        // Opening the list, and coming back to it from the editor, each say it once.
        p().app().windows().open(m_kind->list);
        click(list(), "lblnew");
        click(editor(), "lblcancel");
        QCOMPARE(shown().size(), 2);
        for (const ShownMessage &said : std::as_const(shown())) {
            QVERIFY2(said.text.startsWith(QStringLiteral("The %1s could not be read: ").arg(m_kind->noun))
                    && said.text.contains(why),
                qPrintable(said.text));
            QCOMPARE(said.icon, MessageIcon::Warning);
        }
        QVERIFY(list() && list()->isVisible());
    }
};

QTEST_MAIN(TestListTrouble)
#include "test_listtrouble.moc"
