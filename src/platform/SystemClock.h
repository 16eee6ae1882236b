// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Services.h"

class QSocketNotifier;

/// The system's local time; says when the wall clock is set or jumps (Linux timerfd).
class SystemClock final : public Clock
{
public:
    SystemClock();
    ~SystemClock() override;

    QDateTime now() const override { return QDateTime::currentDateTime(); }

private:
    void armCancelOnSet();
    void onCancelled();

    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
};
