// SPDX-License-Identifier: MIT
#pragma once

class RecordWindows;

/// Makes every record window available under its key.
void registerRecordWindows(RecordWindows &windows);
