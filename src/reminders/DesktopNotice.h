// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Services.h"

class AppContext;

/// Shows a desktop notification unless the user switched them off in the options; its id, or 0
/// when none is shown.
quint32 notifyDesktop(AppContext &app, const DesktopNotification &notification);
