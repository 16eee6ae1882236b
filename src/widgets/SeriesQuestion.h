// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Services.h"
#include "store/Schema.h"

class AppContext;

enum class SeriesChange { Change, Delete };

/// Asks whether a change or delete of a repeating task or schedule is for the one occurrence or
/// for the whole series.
SeriesScope askSeriesScope(AppContext &app, store::Table table, SeriesChange change);
