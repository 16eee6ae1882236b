// SPDX-License-Identifier: MIT
#include "widgets/rules/StoreFailure.h"

#include "store/StoreError.h"

namespace records {

QString storeFailureText(const QString &whatFailed, int errorCode)
{
    switch (errorCode) {
    case store::ReadOnly:
        return whatFailed
            + QStringLiteral(": the database file is read-only, or its folder cannot be written. "
                             "Nothing was changed.");
    case store::Locked:
        return whatFailed
            + QStringLiteral(": another program has locked the database. Nothing was changed; "
                             "please try again in a moment.");
    case store::Damaged:
        return whatFailed
            + QStringLiteral(": the database file is damaged. Dated backup copies are kept in the "
                             "program's Database folder.");
    case store::DiskFull:
        return whatFailed + QStringLiteral(": no space left on the device. Nothing was changed.");
    default:
        return whatFailed + QStringLiteral(". Please try again.");
    }
}

} // namespace records
