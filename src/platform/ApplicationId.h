// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

/// The program's application ID: the name of its desktop entry (without ".desktop"), by which the
/// desktop finds its name and icon.
inline const QString ApplicationId = QStringLiteral("org.orrisday.Orrisday");
