// SPDX-License-Identifier: MIT
#include "platform/rules/DesktopEntry.h"

#include <QFileInfo>

QString execArgument(const QString &programPath)
{
    QString quoted;
    for (const QChar c : programPath) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
        quoted += c;
    }
    // The entry's string value escapes each backslash once more.
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString autostartEntry(const QString &programPath)
{
    QString folder = QFileInfo(programPath).absolutePath();
    folder.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Orrisday\n"
                          "Comment=Tasks, schedules, notes and contacts, with reminders\n"
                          "Exec=%1\n"
                          "Path=%2\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(execArgument(programPath), folder);
}

QString autostartEntryFile(const QString &configHome)
{
    return configHome + QStringLiteral("/autostart/orrisday.desktop");
}
