// SPDX-License-Identifier: MIT
#include "app/rules/TrayTip.h"

QString trayTip(const QString &version)
{
    QString tip = QStringLiteral("Double click icon: Orrisday ") + version;
    while (tip.toUtf8().size() > TrayTipBytes)
        tip.chop(tip.back().isLowSurrogate() ? 2 : 1);
    return tip;
}
