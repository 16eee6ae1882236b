// SPDX-License-Identifier: MIT
#include "app/Frm_Main.h"
#include "support/TestProgram.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

class TestTray final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_program = std::make_unique<TestProgram>();
        m_program->start();
    }

    void cleanup() { m_program.reset(); }

    // Hiding closes the open record window; a double click on the icon brings the main window
    // back where it was, the record window staying closed while the marker still names it.
    void hideToTrayAndDoubleClickBack()
    {
        clickOn(findWidget("lblAbout"));
        QPointer<QWidget> about = findWidget("Frm_About");
        QVERIFY(about);
        main()->move(120, 80);
        hideToTray();
        QCOMPARE(tray().tip, "Double click icon: Orrisday 1.7.0");
        QCOMPARE(tray().menu, findWidget<QMenu>("mnuMain"));
        QTRY_VERIFY(!about);

        tray().doubleClick();
        QVERIFY(main()->isVisible());
        QCOMPARE(main()->pos(), QPoint(120, 80));
        QVERIFY(!tray().shown);
        QVERIFY(!findWidget("Frm_About"));
        QCOMPARE(findWidget<QLineEdit>("Text1")->text(), "Frm_About");
    }

    void menuOffersShowAndExit()
    {
        auto *menu = findWidget<QMenu>("mnuMain");
        QVERIFY(menu);
        QStringList names, captions;
        for (QAction *item : menu->actions()) {
            names << item->objectName();
            captions << (item->isSeparator() ? QStringLiteral("-") : item->text());
        }
        QCOMPARE(names, (QStringList { "mnuorrisday", "p", "mnuShow", "exit" }));
        QCOMPARE(captions, (QStringList { "Orrisday v1.6", "-", "&Show in Full Mode", "Exit" }));

        hideToTray();
        menuItem("mnuShow")->trigger();
        QVERIFY(main()->isVisible());
        QVERIFY(!tray().shown);

        hideToTray();
        QCOMPARE(m_program->fakes.lifecycle->ended, 0);
        menuItem("exit")->trigger();
        QVERIFY(!tray().shown);
        QCOMPARE(m_program->fakes.lifecycle->ended, 1);
    }

    void anotherStartBringsTheHiddenWindowBack()
    {
        hideToTray();
        FakeServices second;
        QVERIFY(!Orrisday::start(m_program->folder(), second.services()));
        QTRY_VERIFY(main()->isVisible());
        QVERIFY(!tray().shown);
    }

    // Without a notification area the window goes to the task bar, not out of reach.
    void hidingWithoutANotificationAreaMinimises()
    {
        tray().available = false;
        clickOn(findWidget("Picture1"));
        QVERIFY(!tray().shown);
        QVERIFY(main()->isMinimized());
    }

private:
    QWidget *main() { return findWidget(QStringLiteral("Frm_Main")); }
    FakeTrayIcon &tray() { return *m_program->fakes.tray; }
    QAction *menuItem(const QString &name) { return findWidget<QMenu>("mnuMain")->findChild<QAction *>(name); }

    void hideToTray()
    {
        clickOn(findWidget("Picture1"));
        QVERIFY(tray().shown);
        QVERIFY(!main()->isVisible());
    }

    std::unique_ptr<TestProgram> m_program;
};

QTEST_MAIN(TestTray)
#include "test_tray.moc"
