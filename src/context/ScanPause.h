// SPDX-License-Identifier: MIT
#pragma once

#include "context/AppContext.h"

/// Holds the reminder scan off while rows are deleted, and lets it run again however the
/// deletion ends.
class ScanPause final
{
public:
    explicit ScanPause(AppContext &app)
        : m_app(app)
    {
        m_app.holdReminderScan(true);
    }
    ~ScanPause() { m_app.holdReminderScan(false); }
    ScanPause(const ScanPause &) = delete;
    ScanPause &operator=(const ScanPause &) = delete;

private:
    AppContext &m_app;
};
