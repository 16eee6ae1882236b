// SPDX-License-Identifier: MIT
#pragma once

#include "context/AppContext.h"

/// What a timer does that finds the store closed under it: says that the program must be
/// started again, and ends it.
inline void endForClosedStore(AppContext &app)
{
    app.message(QStringLiteral("Orrisday Needs to be Restarted"), MessageIcon::Information, QStringLiteral("Orrisday"));
    app.services().lifecycle->endProgram();
}
