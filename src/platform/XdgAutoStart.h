// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Services.h"

/// Starts the program with the user's desktop session through an XDG autostart entry in
/// $XDG_CONFIG_HOME/autostart (~/.config/autostart when the variable is unset).
class XdgAutoStart final : public AutoStart
{
public:
    ActionResult enable(const QString &programPath) override;

    /// The user's configuration folder, as the desktop reads it now.
    static QString configHome();
};
