// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Services.h"

/// Starts an executable file as a program in the working folder and opens anything else
/// (a document, a web address) with the desktop's default application for it.
class DesktopShell final : public Shell
{
public:
    bool open(const QString &target, const QString &workingFolder) override;
};
