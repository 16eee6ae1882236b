// SPDX-License-Identifier: MIT
#pragma once

class Orrisday;

/// Switches the reminder scan's timer on or off.
void setReminderScanRunning(Orrisday &app, bool running);

/// Holds the reminder scan off while rows are deleted, and lets it run again however the
/// deletion ends.
class ScanPause final
{
public:
    explicit ScanPause(Orrisday &app)
        : m_app(app)
    {
        setReminderScanRunning(m_app, false);
    }
    ~ScanPause() { setReminderScanRunning(m_app, true); }
    ScanPause(const ScanPause &) = delete;
    ScanPause &operator=(const ScanPause &) = delete;

private:
    Orrisday &m_app;
};
