// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Services.h"

#include <QCoreApplication>

class QtLifecycle final : public Lifecycle
{
public:
    void endProgram() override { QCoreApplication::exit(0); }
};
