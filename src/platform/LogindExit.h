// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Services.h"

#include <QDBusConnection>

/// Carries out the computer events through systemd-logind: power off, reboot, or the end of the
/// user's own session. Every action is forced, so none asks the user (interactive = false).
class LogindExit final : public SystemExit
{
public:
    /// `bus` is where logind answers (the system bus, in the program); `sessionId` names the
    /// session that a log off ends ("auto": the caller's own).
    LogindExit(const QDBusConnection &bus, const QString &sessionId);

    ActionResult exitSystem(int flags) override;

    /// The session the program runs in, as the desktop tells it ("auto" when it does not).
    static QString ownSession();

private:
    ActionResult call(const QString &method, const QVariantList &arguments);

    QDBusConnection m_bus;
    QString m_session;
};
