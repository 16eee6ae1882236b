// SPDX-License-Identifier: MIT
// What every window that changed the store does afterwards, so that the main window's scan and
// agenda and the list window read the store again.
#pragma once

#include <QString>

class AppContext;

/// Closes the changing window, reloads the main window and reopens the list window at its place.
void refreshAfterChange(AppContext &app, const QString &changingWindowKey, const QString &listKey);
