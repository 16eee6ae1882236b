// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Services.h"

class QFileSystemWatcher;
class QSocketNotifier;

/// The system's local time; says when the wall clock is set or jumps (Linux timerfd), and when
/// the system's time zone is changed (its zone file replaced).
class SystemClock final : public Clock
{
public:
    explicit SystemClock(const QString &zoneFile = QStringLiteral("/etc/localtime"));
    ~SystemClock() override;

    QDateTime now() const override { return QDateTime::currentDateTime(); }

private:
    void armCancelOnSet();
    void onCancelled();
    void watchZone();
    /// What the zone file says: where it links to, and what it holds.
    QByteArray zoneSignature() const;

    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    QString m_zoneFile;
    QFileSystemWatcher *m_zoneWatcher = nullptr;
    QByteArray m_zone;
};
