// SPDX-License-Identifier: MIT
#include "reminders/rules/DueIndex.h"
#include "reminders/rules/ReminderRules.h"

#include <QTest>

using namespace reminders;

namespace {
const QDate Today(2026, 12, 7);
qint64 at(QTime time, QDate day = Today)
{
    return wallSecond(day, time);
}
} // namespace

class TestReminderRules : public QObject
{
    Q_OBJECT

private slots:
    void dueTest_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<bool>("due");
        const QDateTime now(Today, QTime(10, 30, 0, 400));
        QTest::newRow("its second") << Today << QTime(10, 30, 0) << now << true;
        QTest::newRow("its second, end") << Today << QTime(10, 30, 0) << QDateTime(Today, QTime(10, 30, 0, 999))
                                         << true;
        QTest::newRow("second before") << Today << QTime(10, 29, 59) << now << false;
        QTest::newRow("second after") << Today << QTime(10, 30, 1) << now << false;
        QTest::newRow("tomorrow") << Today.addDays(1) << QTime(10, 30, 0) << now << false;
        QTest::newRow("a year ago") << Today.addYears(-1) << QTime(10, 30, 0) << now << false;
        QTest::newRow("no day") << QDate() << QTime(10, 30, 0) << now << false;
        QTest::newRow("no time") << Today << QTime() << now << false;
        QTest::newRow("midnight") << Today << QTime(0, 0, 0) << QDateTime(Today, QTime(0, 0, 0)) << true;
    }
    void dueTest()
    {
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        QFETCH(QDateTime, now);
        QFETCH(bool, due);
        QCOMPARE(isDue(date, time, now), due);
    }

    void secondsToScan_data()
    {
        QTest::addColumn<qint64>("last");
        QTest::addColumn<qint64>("now");
        QTest::addColumn<qint64>("after");
        QTest::addColumn<qint64>("upTo");
        const qint64 t = at(QTime(10, 30, 0));
        QTest::newRow("same second again") << t << t << t << t;
        QTest::newRow("next second") << t << t + 1 << t << t + 1;
        QTest::newRow("three seconds late") << t << t + 3 << t << t + 3;
        QTest::newRow("a minute late") << t << t + 60 << t << t + 60;
        QTest::newRow("longer: last minute only") << t << t + 500 << t + 440 << t + 500;
        QTest::newRow("clock went back") << t << t - 3600 << t - 3601 << t - 3600;
        QTest::newRow("over midnight") << at(QTime(23, 59, 58)) << at(QTime(0, 0, 1), Today.addDays(1))
                                       << at(QTime(23, 59, 58)) << at(QTime(0, 0, 1), Today.addDays(1));
    }
    void secondsToScan()
    {
        QFETCH(qint64, last);
        QFETCH(qint64, now);
        QFETCH(qint64, after);
        QFETCH(qint64, upTo);
        const SecondsToScan seconds = reminders::secondsToScan(last, now);
        QCOMPARE(seconds.after, after);
        QCOMPARE(seconds.upTo, upTo);
    }

    void noneTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("sound");
        QTest::addColumn<bool>("program");
        QTest::newRow("empty") << "" << false << false;
        QTest::newRow("blank") << "  " << false << false;
        QTest::newRow("No Sound") << "No Sound" << false << true;
        QTest::newRow("No Prg") << "No Prg" << true << false;
        QTest::newRow("a path") << "/home/me/Wave/Alert.wav" << true << true;
    }
    void noneTexts()
    {
        QFETCH(QString, text);
        QFETCH(bool, sound);
        QFETCH(bool, program);
        QCOMPARE(namesSound(text), sound);
        QCOMPARE(namesProgram(text), program);
    }

    void workingFolder_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("folder");
        QTest::newRow("program in a folder") << "/usr/local/bin/tool"
                                             << "/usr/local/bin";
        QTest::newRow("document") << "/home/me/docs/plan.odt"
                                  << "/home/me/docs";
        QTest::newRow("bare name") << "notes.txt"
                                   << "/";
        QTest::newRow("in the root") << "/tool"
                                     << "/";
        QTest::newRow("backslashes") << "C:\\Program Files\\app.exe"
                                     << "C:\\Program Files";
        QTest::newRow("mixed, last wins") << "/home/me\\odd/x"
                                          << "/home/me\\odd";
        QTest::newRow("web address") << "https://example.org/page"
                                     << "https://example.org";
    }
    void workingFolder()
    {
        QFETCH(QString, path);
        QFETCH(QString, folder);
        QCOMPARE(workingFolderOf(path), folder);
    }

    void dueIndex_data()
    {
        QTest::addColumn<qint64>("after");
        QTest::addColumn<qint64>("upTo");
        QTest::addColumn<QList<int>>("positions");
        // Reminders: 0 today 10:30:00, 1 tomorrow 10:30:00, 2 today 10:29:59, 3 no time,
        // 4 today 10:30:00, 5 yesterday 23:59:59, 6 no day.
        QTest::newRow("one second") << at(QTime(10, 29, 59)) << at(QTime(10, 30, 0)) << QList<int> { 0, 4 };
        QTest::newRow("by second, then in order")
            << at(QTime(10, 29, 0)) << at(QTime(10, 31, 0)) << QList<int> { 2, 0, 4 };
        QTest::newRow("nothing then") << at(QTime(10, 30, 0)) << at(QTime(10, 30, 30)) << QList<int> {};
        QTest::newRow("empty range") << at(QTime(10, 30, 0)) << at(QTime(10, 30, 0)) << QList<int> {};
        QTest::newRow("over midnight") << at(QTime(23, 59, 58), Today.addDays(-1)) << at(QTime(0, 0, 1))
                                       << QList<int> { 5 };
    }
    void dueIndex()
    {
        QFETCH(qint64, after);
        QFETCH(qint64, upTo);
        QFETCH(QList<int>, positions);
        DueIndex index;
        index.rebuild({ { Today, QTime(10, 30, 0) }, { Today.addDays(1), QTime(10, 30, 0) },
                          { Today, QTime(10, 29, 59) }, { Today, QTime() }, { Today, QTime(10, 30, 0) },
                          { Today.addDays(-1), QTime(23, 59, 59) }, { QDate(), QTime(10, 30, 0) } },
            Today);
        QCOMPARE(index.size(), 4);
        QCOMPARE(index.dueBetween(after, upTo), positions);
    }
};

QTEST_MAIN(TestReminderRules)
#include "test_reminder_rules.moc"
