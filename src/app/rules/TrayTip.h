// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

/// The longest tip the notification icon carries, in bytes.
inline constexpr int TrayTipBytes = 64;

/// The notification icon's tip for a program version ("1.7.0"), cut to TrayTipBytes of UTF-8
/// without splitting a character.
QString trayTip(const QString &version);
