// SPDX-License-Identifier: MIT
// The four list windows act on the row the user sees highlighted, however it got there.
#include "support/FreshProgramTest.h"
#include "support/ListKinds.h"
#include "support/RecordSteps.h"

#include <QApplication>

namespace {

const QStringList Names { "Event number 0", "Event number 1", "Event number 2" };

/// How the highlight gets to its row: a click on a row first, then keys typed into the grid; a
/// move that starts with "Tab" gives the grid the focus by the Tab key instead of a click.
struct Move
{
    const char *name;
    int clicked; ///< -1: no click
    QList<Qt::Key> keys;
    int highlighted;
};

const Move Moves[] = {
    { "click", 1, {}, 1 },
    { "click, Down twice", 0, { Qt::Key_Down, Qt::Key_Down }, 2 },
    { "click, End", 0, { Qt::Key_End }, 2 },
    { "click, Page Down", 0, { Qt::Key_PageDown }, 2 },
    { "click, End, Up", 0, { Qt::Key_End, Qt::Key_Up }, 1 },
    { "Tab, End", -1, { Qt::Key_End }, 2 },
    { "Tab, End, Up, Space", -1, { Qt::Key_End, Qt::Key_Up, Qt::Key_Space }, 1 },
};

} // namespace

class TestListSelection : public FreshProgramTest
{
    Q_OBJECT

    const ListKind *m_kind = nullptr;
    QWidget *m_list = nullptr;
    GroupedGrid *m_grid = nullptr;

    void openWithThree(int kind)
    {
        m_kind = &ListKinds[kind];
        for (int i = 0; i < Names.size(); ++i) {
            store::Values row = m_kind->seeded;
            row[0] = i + 1;
            row[1] = Names.at(i);
            db().insert(m_kind->table, row);
        }
        p().start();
        m_list = p().app().windows().open(m_kind->list);
        m_grid = findIn<GroupedGrid>(m_list, "MSHFlexGrid1");
        QVERIFY(m_grid);
    }

    void moveHighlight(const Move &move)
    {
        if (move.clicked >= 0)
            clickGridRow(m_list, "MSHFlexGrid1", Names.at(move.clicked), m_kind->nameColumn);
        else {
            QApplication::setActiveWindow(m_list);
            m_grid->setFocus(Qt::TabFocusReason);
        }
        for (Qt::Key key : move.keys)
            QTest::keyClick(m_grid, key);
        const QList<QTreeWidgetItem *> highlighted = m_grid->selectedItems();
        QCOMPARE(highlighted.size(), 1);
        QCOMPARE(highlighted.first()->text(m_kind->nameColumn), Names.at(move.highlighted));
    }

    QStringList storedNames()
    {
        QStringList names;
        for (const store::Record &row : db().records(m_kind->table))
            names << row.text(1);
        return names;
    }

    QString editedName()
    {
        QWidget *editor = loadedWindow(p(), m_kind->editor);
        return editor ? boxTexts(editor, { m_kind->nameBox }).value(0) : QStringLiteral("(no editor)");
    }

private slots:
    void deleteAndEditActOnTheHighlightedRow_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("move");
        for (int kind = 0; kind < int(std::size(ListKinds)); ++kind)
            for (int move = 0; move < int(std::size(Moves)); ++move)
                QTest::addRow("%s, %s", ListKinds[kind].noun, Moves[move].name) << kind << move;
    }
    void deleteAndEditActOnTheHighlightedRow()
    {
        QFETCH(int, kind);
        QFETCH(int, move);
        openWithThree(kind);
        moveHighlight(Moves[move]);
        clickOn(findIn<QWidget>(m_list, "lbledit"));
        QCOMPARE(editedName(), Names.at(Moves[move].highlighted));

        p().app().windows().unload(m_kind->editor);
        m_list = p().app().windows().open(m_kind->list);
        m_grid = findIn<GroupedGrid>(m_list, "MSHFlexGrid1");
        moveHighlight(Moves[move]);
        clickOn(findIn<QWidget>(m_list, "lblDelete"));
        QStringList left = Names;
        left.removeAt(Moves[move].highlighted);
        QCOMPARE(storedNames(), left);
    }

    void doubleClickAndEnterOpenTheRow_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("enter");
        for (int kind = 0; kind < int(std::size(ListKinds)); ++kind) {
            QTest::addRow("%s, double-click", ListKinds[kind].noun) << kind << false;
            QTest::addRow("%s, Enter", ListKinds[kind].noun) << kind << true;
        }
    }
    void doubleClickAndEnterOpenTheRow()
    {
        QFETCH(int, kind);
        QFETCH(bool, enter);
        openWithThree(kind);
        QTreeWidgetItem *row = m_grid->findRecordRow(m_kind->nameColumn, Names.at(1));
        const QPoint at = m_grid->visualItemRect(row).center();
        QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, at);
        if (enter)
            QTest::keyClick(m_grid, Qt::Key_Return);
        else
            QTest::mouseDClick(m_grid->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(editedName(), Names.at(1));
    }
};

QTEST_MAIN(TestListSelection)
#include "test_listselection.moc"
