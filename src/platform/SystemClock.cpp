// SPDX-License-Identifier: MIT
#include "platform/SystemClock.h"

#include <QSocketNotifier>
#include <cerrno>
#include <cstdint>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

// An absolute realtime timer set far in the future with TFD_TIMER_CANCEL_ON_SET: the kernel
// cancels it (its read fails with ECANCELED) whenever the realtime clock is set, and it is then
// armed again. Resume from suspend steps the realtime clock as well.
SystemClock::SystemClock()
{
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
