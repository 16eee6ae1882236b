// SPDX-License-Identifier: MIT
// The maker's web pages the program opens.
#pragma once

#include <QString>

namespace maker {

inline const QString Site = QStringLiteral("https://orrisday.org");
inline const QString TellFriendPage = Site + QStringLiteral("/tell-a-friend");
inline const QString SupportPage = Site + QStringLiteral("/support.asp");
inline const QString ProductPage = Site + QStringLiteral("/orrisday.asp");

} // namespace maker
