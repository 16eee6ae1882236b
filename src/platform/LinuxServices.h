// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Services.h"

/// The services of a real Linux desktop.
Services makeLinuxServices();
