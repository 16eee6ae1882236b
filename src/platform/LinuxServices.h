// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Services.h"

/// The services of a real Linux desktop; the sound module is loaded from the folder given.
Services makeLinuxServices(const QString &moduleFolder);
