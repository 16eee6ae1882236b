// SPDX-License-Identifier: MIT
#include "store/ProgramOptions.h"

namespace store {
namespace {

const QString DesktopNotifications = QStringLiteral("desktop_notifications");

} // namespace

std::optional<QString> programOption(const Database &db, const QString &name)
{
    QSqlQuery value = db.run(QStringLiteral("SELECT option_value FROM program_option WHERE option_name = ?"), { name });
    return value.next() ? std::optional(value.value(0).toString()) : std::nullopt;
}

void setProgramOption(Database &db, const QString &name, const QString &value)
{
    db.run(QStringLiteral("INSERT OR REPLACE INTO program_option (option_name, option_value) VALUES (?, ?)"),
        { name, value });
}

bool desktopNotificationsOn(const Database &db)
{
    return programOption(db, DesktopNotifications) != QLatin1String("off");
}

void setDesktopNotifications(Database &db, bool on)
{
    setProgramOption(db, DesktopNotifications, on ? QStringLiteral("on") : QStringLiteral("off"));
}

} // namespace store
