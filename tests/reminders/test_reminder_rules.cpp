// SPDX-License-Identifier: MIT
#include "reminders/rules/DueIndex.h"
#include "reminders/rules/DueWatch.h"
#include "reminders/rules/ReminderChoices.h"
#include "reminders/rules/ReminderRules.h"

#include <QTest>
#include <QTimeZone>

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
    void aLateTickOverMidnightScansFromTheLastSecond()
    {
        const SecondsToScan seconds = secondsToScan(at(QTime(23, 59, 58)), at(QTime(0, 0, 1), Today.addDays(1)));
        QCOMPARE(seconds.after, at(QTime(23, 59, 58)));
        QCOMPARE(seconds.upTo, at(QTime(0, 0, 1), Today.addDays(1)));
    }

    void workingFolder_data()
    {
        // clang-format off
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("folder");
        QTest::newRow("program in a folder") << "/usr/local/bin/tool" << "/usr/local/bin";
        QTest::newRow("document") << "/home/me/docs/plan.odt" << "/home/me/docs";
        QTest::newRow("bare name") << "notes.txt" << "/";
        QTest::newRow("in the root") << "/tool" << "/";
        QTest::newRow("backslashes") << "C:\\Program Files\\app.exe" << "C:\\Program Files";
        QTest::newRow("mixed, last wins") << "/home/me\\odd/x" << "/home/me\\odd";
        QTest::newRow("web address") << "https://example.org/page" << "https://example.org";
        // clang-format on
    }
    void workingFolder()
    {
        QFETCH(QString, path);
        QFETCH(QString, folder);
        QCOMPARE(workingFolderOf(path), folder);
    }

    void dueIndex_data()
    {
        // clang-format off
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
        QTest::newRow("over midnight")
            << at(QTime(23, 59, 58), Today.addDays(-1)) << at(QTime(0, 0, 1)) << QList<int> { 5 };
        // clang-format on
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
        QList<int> found;
        for (const auto &[second, position] : index.dueBetween(after, upTo))
            found << position;
        QCOMPARE(found, positions);
    }

    void waitsForTheNextDueSecondOrMidnight_data()
    {
        // clang-format off
        QTest::addColumn<QTime>("start");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<qint64>("msecs");
        // Watched: today 10:30:00 and 09:00:00, tomorrow 08:00:00; the index is today's.
        const auto today = [](int h, int m, int s, int ms = 0) { return QDateTime(Today, QTime(h, m, s, ms)); };
        QTest::newRow("to the due second") << QTime(10, 0, 0) << today(10, 0, 0, 250) << qint64(1800 * 1000 - 250);
        QTest::newRow("its second not yet scanned") << QTime(10, 30, 0) << today(10, 30, 0, 400) << qint64(0);
        QTest::newRow("nothing more today: midnight") << QTime(10, 30, 1) << today(10, 30, 1) << qint64(48599 * 1000);
        QTest::newRow("clock went back") << QTime(10, 31, 0) << today(10, 20, 0) << qint64(0);
        QTest::newRow("a new day to index") << QTime(23, 0, 0) << QDateTime(Today.addDays(1), QTime(0, 0, 0, 500)) << qint64(0);
        // clang-format on
    }
    void waitsForTheNextDueSecondOrMidnight()
    {
        QFETCH(QTime, start);
        QFETCH(QDateTime, now);
        QFETCH(qint64, msecs);
        DueWatch watch;
        watch.startAt(QDateTime(Today, start));
        watch.watch({ { Today, QTime(10, 30, 0) }, { Today, QTime(9, 0, 0) }, { Today.addDays(1), QTime(8, 0, 0) } },
            Today);
        QCOMPARE(watch.msecsToWake(now), msecs);
    }

    void instantOfAWallClockTime_data()
    {
        // clang-format off
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QDateTime>("wall"); // read as a day and a time of day
        QTest::addColumn<QDateTime>("from"); // invalid: the first instant at all
        QTest::addColumn<QDateTime>("instant");
        const auto on = [](int y, int mo, int d, int h, int mi) { return QDateTime(QDate(y, mo, d), QTime(h, mi), Qt::UTC); };
        QTest::newRow("plain") << QByteArray("Europe/Berlin") << on(2027, 6, 1, 9, 0) << QDateTime() << on(2027, 6, 1, 7, 0);
        QTest::newRow("skipped: the first second after the jump")
            << QByteArray("Europe/Berlin") << on(2027, 3, 28, 2, 30) << QDateTime() << on(2027, 3, 28, 1, 0);
        QTest::newRow("repeated: its first showing")
            << QByteArray("Europe/Berlin") << on(2027, 10, 31, 2, 30) << QDateTime() << on(2027, 10, 31, 0, 30);
        QTest::newRow("repeated, from within its second showing")
            << QByteArray("Europe/Berlin") << on(2027, 10, 31, 2, 30) << on(2027, 10, 31, 1, 10) << on(2027, 10, 31, 1, 30);
        QTest::newRow("already shown at from")
            << QByteArray("Europe/Berlin") << on(2027, 10, 31, 2, 30) << on(2027, 10, 31, 0, 40) << on(2027, 10, 31, 0, 40);
        QTest::newRow("skipped midnight") << QByteArray("America/Santiago") << on(2027, 9, 5, 0, 0) << QDateTime()
                                          << on(2027, 9, 5, 4, 0);
        QTest::newRow("repeated hour before midnight")
            << QByteArray("America/Santiago") << on(2027, 4, 3, 23, 30) << QDateTime() << on(2027, 4, 4, 2, 30);
        QTest::newRow("no summer time") << QByteArray("Asia/Tokyo") << on(2027, 3, 28, 2, 30) << QDateTime()
                                        << on(2027, 3, 27, 17, 30);
        // clang-format on
    }
    void instantOfAWallClockTime()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QDateTime, wall);
        QFETCH(QDateTime, from);
        QFETCH(QDateTime, instant);
        const QTimeZone tz(zone);
        const qint64 second = wallSecond(wall.date(), wall.time());
        const qint64 found
            = from.isValid() ? firstInstantShowing(second, from.toSecsSinceEpoch(), tz) : instantOf(second, tz);
        QCOMPARE(QDateTime::fromSecsSinceEpoch(found, Qt::UTC), instant);
        QVERIFY(wallSecondAt(found, tz) >= second);
    }

    void lateNoticeText_data()
    {
        // clang-format off
        QTest::addColumn<QDate>("dueDay");
        QTest::addColumn<qint64>("late");
        QTest::addColumn<QString>("notice");
        QTest::newRow("minutes") << Today << qint64(12 * 60 + 30) << "due 9:05:00, 12 minutes ago";
        QTest::newRow("one minute") << Today << qint64(60) << "due 9:05:00, 1 minute ago";
        QTest::newRow("hours") << Today << qint64(2 * 3600 + 59) << "due 9:05:00, 2 hours ago";
        QTest::newRow("an hour and a minute") << Today << qint64(3660) << "due 9:05:00, 1 hour 1 minute ago";
        QTest::newRow("the day before") << Today.addDays(-1) << qint64(23 * 3600 + 5 * 60) << "due 12/6/2026 9:05:00, 23 hours 5 minutes ago";
        QTest::newRow("seconds") << Today << qint64(30) << "due 9:05:00, 30 seconds ago";
        // clang-format on
    }
    void lateNoticeText()
    {
        QFETCH(QDate, dueDay);
        QFETCH(qint64, late);
        QFETCH(QString, notice);
        QCOMPARE(lateNotice(dueDay, QTime(9, 5), Today, late), notice);
    }

    void undatedReminders_data()
    {
        // clang-format off
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<bool>("undated");
        QTest::newRow("unticked") << false << "12/7/2026" << "9 : 30" << true;
        QTest::newRow("ticked, both empty") << true << "" << "" << true;
        QTest::newRow("ticked, date only") << true << "12/7/2026" << "" << false;
        QTest::newRow("ticked, time only") << true << "" << "9 : 30" << false;
        QTest::newRow("ticked, blank is not empty") << true << " " << "" << false;
        // clang-format on
    }
    void undatedReminders()
    {
        QFETCH(bool, ticked);
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(bool, undated);
        QCOMPARE(reminderIsUndated(ticked, date, time), undated);
    }
};

QTEST_MAIN(TestReminderRules)
#include "test_reminder_rules.moc"
