// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Services.h"

class SystemClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
