// SPDX-License-Identifier: MIT
#include "store/ProgramOptions.h"

namespace store {
namespace {

const QString DesktopNotifications = QStringLiteral("desktop_notifications");

} // namespace

bool desktopNotificationsOn(const Database &db)
{
    QSqlQuery value = db.run(
        QStringLiteral("SELECT option_value FROM program_option WHERE option_name = ?"), { DesktopNotifications });
    return !value.next() || value.value(0).toString() != QLatin1String("off");
}

void setDesktopNotifications(Database &db, bool on)
{
    db.run(QStringLiteral("INSERT OR REPLACE INTO program_option (option_name, option_value) VALUES (?, ?)"),
        { DesktopNotifications, on ? QStringLiteral("on") : QStringLiteral("off") });
}

} // namespace store
