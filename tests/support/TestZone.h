// SPDX-License-Identifier: MIT
// The test process's time zone, set for a while: the local time of QDateTime and of the C library
// and the system zone of QTimeZone all follow TZ.
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <ctime>

class TestZone
{
public:
    /// Sets TZ (an IANA name such as "Europe/Berlin"); the zone before comes back at the end.
    explicit TestZone(const QByteArray &zone)
        : m_had(qEnvironmentVariableIsSet("TZ"))
        , m_before(qgetenv("TZ"))
    {
        set(zone);
    }
    ~TestZone()
    {
        if (m_had)
            set(m_before);
        else {
            qunsetenv("TZ");
            tzset();
        }
    }
    TestZone(const TestZone &) = delete;
    TestZone &operator=(const TestZone &) = delete;

    static void set(const QByteArray &zone)
    {
        qputenv("TZ", zone);
        tzset();
    }

private:
    bool m_had;
    QByteArray m_before;
};
