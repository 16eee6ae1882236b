// SPDX-License-Identifier: MIT
#include "platform/SystemClock.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {
const QString Zones = QStringLiteral("/usr/share/zoneinfo/");
}

class TestSystemClock : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    /// Puts a new file in the zone file's place, as timedatectl does.
    bool replace(const QString &zoneFile, const QString &zone, bool asLink)
    {
        const QString made = zoneFile + ".new";
        return (asLink ? QFile::link(Zones + zone, made) : QFile::copy(Zones + zone, made))
            && std::rename(QFile::encodeName(made), QFile::encodeName(zoneFile)) == 0;
    }

private slots:
    // A zone file of our own stands for /etc/localtime; other files beside it change nothing.
    void aNewSystemZoneIsAChangeOfTheWallClock()
    {
        const QString zoneFile = m_dir.filePath("localtime");
        QVERIFY(QFile::copy(Zones + "Europe/Berlin", zoneFile));
        SystemClock clock(zoneFile);
        QSignalSpy changed(&clock, &Clock::wallClockChanged);

        QFile other(m_dir.filePath("hostname"));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("box\n");
        other.close();
        QVERIFY(replace(zoneFile, "America/Santiago", true));
        QVERIFY(changed.wait(5000));
        QTest::qWait(100);
        QCOMPARE(changed.size(), 1);

        QVERIFY(replace(zoneFile, "Asia/Tokyo", false));
        QVERIFY(changed.wait(5000));
        QTest::qWait(100);
        QCOMPARE(changed.size(), 2);

        // Written over in place.
        QFile zone(zoneFile);
        QFile berlin(Zones + "Europe/Berlin");
        QVERIFY(berlin.open(QIODevice::ReadOnly) && zone.open(QIODevice::WriteOnly | QIODevice::Truncate));
        zone.write(berlin.readAll());
        zone.close();
        QVERIFY(changed.wait(5000));
    }
};

QTEST_GUILESS_MAIN(TestSystemClock)
#include "test_system_clock.moc"
