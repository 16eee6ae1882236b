// SPDX-License-Identifier: MIT
#include "app/rules/ClockHands.h"
#include "app/rules/CommandLine.h"
#include "app/rules/InstanceRequest.h"
#include "app/rules/TrayTip.h"

#include <QDir>
#include <QTest>

Q_DECLARE_METATYPE(CommandLine::Action)
Q_DECLARE_METATYPE(InstanceRequest)

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

    void commandLine_data()
    {
        using Action = CommandLine::Action;
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("said");
        const QString here = QDir::currentPath();
        QTest::newRow("nothing: the window") << QStringList() << Action::Start << QStringList() << "";
        QTest::newRow("files for the running copy, made absolute")
            << QStringList { "a.ics", "/tmp/b c.vcf" } << Action::Start << QStringList { here + "/a.ics", "/tmp/b c.vcf" } << "";
        QTest::newRow("Qt's own options pass") << QStringList { "-platform", "offscreen", "-reverse", "--style=fusion" }
                                                << Action::Start << QStringList() << "";
        QTest::newRow("help") << QStringList { "--help" } << Action::Print << QStringList() << "--export-ics <FILE>";
        QTest::newRow("short help") << QStringList { "-h" } << Action::Print << QStringList() << "[FILE...]";
        QTest::newRow("version") << QStringList { "--version" } << Action::Print << QStringList() << "orrisday 1.7.0\n";
        QTest::newRow("export calendar") << QStringList { "--export-ics", "out.ics" } << Action::ExportCalendar
                                         << QStringList { here + "/out.ics" } << "";
        QTest::newRow("export contacts") << QStringList { "--export-vcf=/tmp/out.vcf" } << Action::ExportContacts
                                         << QStringList { "/tmp/out.vcf" } << "";
        QTest::newRow("import") << QStringList { "--import", "/tmp/a.vcf", "/tmp/b.ics" } << Action::Import
                                << QStringList { "/tmp/a.vcf", "/tmp/b.ics" } << "";
        QTest::newRow("import keeping programs") << QStringList { "--import", "--with-programs", "/tmp/a.ics" }
                                                 << Action::Import << QStringList { "/tmp/a.ics" } << "";
        QTest::newRow("programs without an import") << QStringList { "--with-programs", "/tmp/a.ics" } << Action::Refuse
                                                    << QStringList() << "--with-programs goes with --import";
        QTest::newRow("unknown option") << QStringList { "--frobnicate" } << Action::Refuse << QStringList()
                                        << "orrisday: Unknown option 'frobnicate'.\nTry 'orrisday --help'";
        QTest::newRow("export without its file") << QStringList { "--export-vcf" } << Action::Refuse << QStringList()
                                                 << "Missing value after '--export-vcf'";
        QTest::newRow("import without files") << QStringList { "--import" } << Action::Refuse << QStringList()
                                              << "--import needs the files to read";
        QTest::newRow("export and import together") << QStringList { "--export-ics", "a.ics", "--import", "b.ics" }
                                                    << Action::Refuse << QStringList() << "one at a time";
        QTest::newRow("export to two files") << QStringList { "--export-ics", "a.ics", "b.ics" } << Action::Refuse
                                             << QStringList() << "--export-ics writes one file";
        QTest::newRow("sync account with its user") << QStringList { "--sync-account", "https://dav.example.org/", "--sync-user", "anna" }
                                                    << Action::SyncAccount << QStringList() << "https://dav.example.org/";
        QTest::newRow("sync account, no web address") << QStringList { "--sync-account", "ftp://dav.example.org/" }
                                                      << Action::Refuse << QStringList() << "needs an http:// or https:// URL";
        QTest::newRow("sync user alone") << QStringList { "--sync-user", "anna" } << Action::Refuse << QStringList()
                                         << "--sync-user goes with --sync-account";
        QTest::newRow("sync") << QStringList { "--sync" } << Action::Sync << QStringList() << "";
        QTest::newRow("sync with an import") << QStringList { "--sync", "--import", "a.ics" } << Action::Refuse
                                             << QStringList() << "one at a time";
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(CommandLine::Action, action);
        QFETCH(QStringList, files);
        QFETCH(QString, said);
        QCoreApplication::setApplicationName("orrisday");
        QCoreApplication::setApplicationVersion("1.7.0");
        const CommandLine line = readCommandLine(QStringList { "orrisday" } + arguments);
        QCOMPARE(line.action, action);
        QCOMPARE(line.files, files);
        QVERIFY2(line.text.contains(said), qPrintable(line.text));
        QCOMPARE(line.withPrograms, arguments.contains("--with-programs") && action == CommandLine::Action::Import);
        QCOMPARE(line.user, action == CommandLine::Action::SyncAccount ? arguments.value(arguments.indexOf("--sync-user") + 1) : QString());
    }

    void requestsCrossAsOneLine_data()
    {
        QTest::addColumn<InstanceRequest>("request");
        QTest::newRow("activate") << InstanceRequest { InstanceRequest::Activate, {} };
        QTest::newRow("import, awkward names") << InstanceRequest { InstanceRequest::Import,
            { "/tmp/two\nlines.ics", "/tmp/\"quoted\" \\ back.vcf", QString::fromUtf8("/tmp/\xc3\xa9t\xc3\xa9.ics") } };
    }
    void requestsCrossAsOneLine()
    {
        QFETCH(InstanceRequest, request);
        const QByteArray line = encodeRequest(request);
        QVERIFY(line.endsWith('\n'));
        QCOMPARE(line.count('\n'), 1);
        const auto decoded = decodeRequest(line);
        QVERIFY(decoded);
        QCOMPARE(decoded->kind, request.kind);
        QCOMPARE(decoded->arguments, request.arguments);
    }

    void strangeLinesAreNoRequest_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("empty") << QByteArray("\n");
        QTest::newRow("the old plain word") << QByteArray("activate\n");
        QTest::newRow("no kind") << QByteArray("{\"arguments\":[]}\n");
        QTest::newRow("a number for an argument") << QByteArray("{\"kind\":\"import\",\"arguments\":[1]}\n");
        QTest::newRow("cut short") << QByteArray("{\"kind\":\"imp");
    }
    void strangeLinesAreNoRequest()
    {
        QFETCH(QByteArray, line);
        QVERIFY(!decodeRequest(line));
    }
};

QTEST_MAIN(TestAppRules)
#include "test_app_rules.moc"
