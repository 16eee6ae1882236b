// SPDX-License-Identifier: MIT
#include "platform/DisplaySetup.h"

#include <QByteArray>

void prepareDisplay()
{
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", QByteArrayLiteral("1"));
}
