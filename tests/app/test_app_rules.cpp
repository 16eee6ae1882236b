// SPDX-License-Identifier: MIT
#include "app/rules/ClockHands.h"
#include "app/rules/TrayTip.h"

#include <QTest>

namespace {

const QPointF Centre(825, 825);

bool near(QPointF a, QPointF b)
{
    return QLineF(a, b).length() < 1.0;
}

} // namespace

class TestAppRules final : public QObject
{
    Q_OBJECT

private slots:
    void handsPointTheRightWay_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QPointF>("hourTip");
        QTest::addColumn<QPointF>("minuteTip");
        QTest::addColumn<QPointF>("secondTip");
        // Screen y grows downwards: "up" is a negative offset.
        QTest::newRow("3:00:00 hour right, minute and second up")
            << QTime(3, 0, 0) << QPointF(330, 0) << QPointF(0, -500) << QPointF(0, -700);
        QTest::newRow("15:00:00 the same in the afternoon")
            << QTime(15, 0, 0) << QPointF(330, 0) << QPointF(0, -500) << QPointF(0, -700);
        QTest::newRow("9:45:30 hour half-way to ten, minute left, second down")
            << QTime(9, 45, 30) << QPointF(-330 * std::cos(M_PI / 8), -330 * std::sin(M_PI / 8)) << QPointF(-500, 0)
            << QPointF(0, 700);
        QTest::newRow("6:00:15 hour down, minute up, second right")
            << QTime(6, 0, 15) << QPointF(0, 330) << QPointF(0, -500) << QPointF(700, 0);
    }

    void handsPointTheRightWay()
    {
        QFETCH(QTime, time);
        QFETCH(QPointF, hourTip);
        QFETCH(QPointF, minuteTip);
        QFETCH(QPointF, secondTip);
        const ClockHands hands = clockHands(time, Centre);
        // The rounded pi of the clock leaves the tips a fraction of a twip off the exact angle.
        QVERIFY2(near(hands.hour.first().p2(), Centre + hourTip), "hour hand");
        QVERIFY2(near(hands.minute.first().p2(), Centre + minuteTip), "minute hand");
        QCOMPARE(hands.second.p1(), Centre);
        QVERIFY2(near(hands.second.p2(), Centre + secondTip), "second hand");
    }

    void hourHandIsShorterAndThickerThanTheMinuteHand()
    {
        const ClockHands hands = clockHands(QTime(3, 0, 0), Centre);
        const double hourReach = QLineF(Centre, hands.hour.first().p2()).length();
        const double minuteReach = QLineF(Centre, hands.minute.first().p2()).length();
        QVERIFY2(hourReach < 0.8 * minuteReach, "hour hand no shorter at a glance");
        QVERIFY2(hands.hourWidth >= 1.5 * hands.minuteWidth, "hour hand no thicker at a glance");
        QVERIFY(hands.minuteWidth >= hands.secondWidth && hands.secondWidth > 0);
    }

    void arrowHandIsClosed()
    {
        const ClockHands hands = clockHands(QTime(3, 0, 0), Centre);
        const QList<QLineF> &hour = hands.hour;
        QCOMPARE(hour.size(), 4);
        const QPointF tail = Centre - QPointF(100, 0);
        QVERIFY(near(hour[0].p1(), tail));
        // Tip, one barb, the other barb, back to the tip; the barbs lie 90 twips around the tail.
        QCOMPARE(hour[1].p1(), hour[0].p2());
        QCOMPARE(hour[2].p1(), hour[1].p2());
        QCOMPARE(hour[3].p1(), hour[2].p2());
        QCOMPARE(hour[3].p2(), hour[0].p2());
        QVERIFY(qAbs(QLineF(tail, hour[1].p2()).length() - 90) < 0.01);
        QVERIFY(near(hour[1].p2() + hour[2].p2(), 2 * tail));
    }

    void trayTip_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("tip");
        QTest::newRow("1.7.0") << QStringLiteral("1.7.0") << QStringLiteral("Double click icon: Orrisday 1.7.0");
        QTest::newRow("exactly 64 bytes") << QString(36, u'9')
                                          << QStringLiteral("Double click icon: Orrisday ") + QString(36, u'9');
        QTest::newRow("cut to 64 bytes") << QString(50, u'1')
                                         << QStringLiteral("Double click icon: Orrisday ") + QString(36, u'1');
        QTest::newRow("never splits a character")
            << QString(20, QChar(0x00e9)) << QStringLiteral("Double click icon: Orrisday ") + QString(18, QChar(0x00e9));
    }

    void trayTip()
    {
        QFETCH(QString, version);
        QFETCH(QString, tip);
        QCOMPARE(::trayTip(version), tip);
        QVERIFY(::trayTip(version).toUtf8().size() <= TrayTipBytes);
    }
};

QTEST_MAIN(TestAppRules)
#include "test_app_rules.moc"
