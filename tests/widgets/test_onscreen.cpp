// SPDX-License-Identifier: MIT
// Windows the program places stay on the screen they open on.
#include "context/OnScreen.h"
#include "support/FreshProgramTest.h"
#include "support/RecordSteps.h"

#include <QScreen>

class TestOnScreen : public FreshProgramTest
{
    Q_OBJECT

    static QRect area() { return QGuiApplication::primaryScreen()->availableGeometry(); }

private slots:
    void keptWithin_data()
    {
        QTest::addColumn<QPoint>("wanted");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("kept");
        QTest::newRow("fits") << QPoint(92, 96) << QSize(600, 380) << QPoint(92, 96);
        QTest::newRow("past the right edge") << QPoint(1100, 96) << QSize(300, 200) << QPoint(980, 96);
        QTest::newRow("past the bottom") << QPoint(92, 700) << QSize(300, 200) << QPoint(92, 600);
        QTest::newRow("above and left") << QPoint(-50, -20) << QSize(300, 200) << QPoint(0, 0);
        QTest::newRow("larger than the screen") << QPoint(100, 100) << QSize(1400, 900) << QPoint(0, 0);
    }
    void keptWithin()
    {
        QFETCH(QPoint, wanted);
        QFETCH(QSize, size);
        QFETCH(QPoint, kept);
        QCOMPARE(::keptWithin(wanted, size, QRect(0, 0, 1280, 800)), kept);
    }

    void windowsOpenedNearTheEdgeStayOnTheScreen_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("task list") << "Frm_Task";
        QTest::newRow("search beside the contact list") << "Frm_Search";
    }
    void windowsOpenedNearTheEdgeStayOnTheScreen()
    {
        QFETCH(QString, window);
        db().insert(store::Table::Contact, { { 0, 1 }, { 1, "Ann" } });
        p().start();
        QWidget &main = p().app().mainWindow();
        main.move(area().right() - main.width() / 2, area().top() + 40);
        QWidget *opened = p().app().windows().open(window == "Frm_Search" ? "Frm_Contact" : window);
        if (window == "Frm_Search") {
            clickOn(findIn<QWidget>(opened, "lblsearch"));
            opened = findWidget(window);
        }
        QVERIFY(opened && opened->isVisible());
        QVERIFY2(area().contains(opened->frameGeometry()),
            qPrintable(QStringLiteral("%1,%2 %3x%4").arg(opened->x()).arg(opened->y()).arg(opened->width()).arg(opened->height())));
    }
};

QTEST_MAIN(TestOnScreen)
#include "test_onscreen.moc"
