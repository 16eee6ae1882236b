// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Services.h"

class AppContext;

/// The notification's "Open" action: a click on it, under the key desktops use for a click.
inline const std::pair<QString, QString> OpenAction { QStringLiteral("default"), QStringLiteral("Open") };

/// Shows a desktop notification unless the user switched them off in the options; its id, or 0
/// when none is shown.
quint32 notifyDesktop(AppContext &app, const DesktopNotification &notification);
