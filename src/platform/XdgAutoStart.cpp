// SPDX-License-Identifier: MIT
#include "platform/XdgAutoStart.h"

#include "platform/rules/DesktopEntry.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

QString XdgAutoStart::configHome()
{
    const QString configured = qEnvironmentVariable("XDG_CONFIG_HOME");
    // The XDG rules ignore a relative path.
    if (!configured.isEmpty() && QDir::isAbsolutePath(configured))
        return configured;
    return QDir::homePath() + QStringLiteral("/.config");
}

ActionResult XdgAutoStart::enable(const QString &programPath)
{
    const QString file = autostartEntryFile(configHome());
    const QString folder = QFileInfo(file).absolutePath();
    if (!QDir().mkpath(folder))
        return ActionResult::refused(QStringLiteral("the folder %1 cannot be created").arg(folder));
    QSaveFile entry(file);
    if (!entry.open(QIODevice::WriteOnly | QIODevice::Text))
        return ActionResult::refused(QStringLiteral("%1 cannot be written: %2").arg(file, entry.errorString()));
    entry.write(autostartEntry(programPath).toUtf8());
    if (!entry.commit())
        return ActionResult::refused(QStringLiteral("%1 cannot be written: %2").arg(file, entry.errorString()));
    return {};
}
