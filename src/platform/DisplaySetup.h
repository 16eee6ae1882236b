// SPDX-License-Identifier: MIT
#pragma once

/// Settings for the connection to the display, made before the QApplication exists.
///
/// On X11 the windows' pixels are sent over the socket instead of through shared memory: each
/// shared-memory flush makes the server answer with a completion event, which wakes the event
/// thread and then the main thread, twice a second more for the clock's second hand alone. Our
/// windows are small, so the copy costs nothing worth seeing. A value the user set is kept.
void prepareDisplay();
