// SPDX-License-Identifier: MIT
#include "platform/SystemClock.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <cerrno>
#include <cstdint>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

// An absolute realtime timer set far in the future with TFD_TIMER_CANCEL_ON_SET: the kernel
// cancels it (its read fails with ECANCELED) whenever the realtime clock is set, and it is then
// armed again. Resume from suspend steps the realtime clock as well.
SystemClock::SystemClock(const QString &zoneFile)
    : m_zoneFile(zoneFile)
{
    watchZone();
    m_fd = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_fd < 0)
        return;
    armCancelOnSet();
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SystemClock::onCancelled);
}

SystemClock::~SystemClock()
{
    delete m_notifier;
    if (m_fd >= 0)
        ::close(m_fd);
}

void SystemClock::armCancelOnSet()
{
    constexpr time_t Year2200 = 7258118400;
    itimerspec never {};
    never.it_value.tv_sec = Year2200;
    timerfd_settime(m_fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &never, nullptr);
}

void SystemClock::onCancelled()
{
    std::uint64_t expirations = 0;
    const bool cancelled = ::read(m_fd, &expirations, sizeof expirations) < 0 && errno == ECANCELED;
    armCancelOnSet();
    if (cancelled)
        emit wallClockChanged();
}

// The zone file is replaced, not written (timedatectl links it anew), so its folder is watched.
void SystemClock::watchZone()
{
    m_zone = zoneSignature();
    m_zoneWatcher = new QFileSystemWatcher(this);
    m_zoneWatcher->addPath(QFileInfo(m_zoneFile).absolutePath());
    if (QFileInfo::exists(m_zoneFile))
        m_zoneWatcher->addPath(m_zoneFile);
    const auto changed = [this] {
        // The watch follows a link to the file it pointed to then: watch the new one.
        m_zoneWatcher->removePaths(m_zoneWatcher->files());
        if (QFileInfo::exists(m_zoneFile))
            m_zoneWatcher->addPath(m_zoneFile);
        const QByteArray zone = zoneSignature();
        if (zone == m_zone)
            return;
        m_zone = zone;
        emit wallClockChanged();
    };
    connect(m_zoneWatcher, &QFileSystemWatcher::directoryChanged, this, changed);
    connect(m_zoneWatcher, &QFileSystemWatcher::fileChanged, this, changed);
}

QByteArray SystemClock::zoneSignature() const
{
    QFile file(m_zoneFile);
    const QByteArray contents = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    return QFileInfo(m_zoneFile).symLinkTarget().toUtf8() + '\n' + contents;
}
