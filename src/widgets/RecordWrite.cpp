// SPDX-License-Identifier: MIT
#include "widgets/RecordWrite.h"

#include "context/AppContext.h"
#include "widgets/rules/StoreFailure.h"

bool writeRecordChange(AppContext &app, const QString &whatFailed, const std::function<void(store::Database &)> &change)
{
    try {
        store::Transaction transaction(app.db());
        change(app.db());
        transaction.commit();
        return true;
    } catch (const store::Error &error) {
        if (error.code() == store::ConversionFailed)
            app.message(QStringLiteral("Please Enter Date "), MessageIcon::Information, QStringLiteral("Orrisday"));
        else
            app.message(records::storeFailureText(whatFailed, error.code()), MessageIcon::Warning,
                QStringLiteral("Orrisday"));
        return false;
    }
}
