// SPDX-License-Identifier: MIT
#include "platform/XdgAutoStart.h"

#include "platform/rules/DesktopEntry.h"
#include "platform/rules/WholeFile.h"

#include <QDir>
#include <QFileInfo>

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
    if (const QString failure = files::writeWholeFile(file, autostartEntry(programPath).toUtf8()); !failure.isEmpty())
        return ActionResult::refused(failure);
    return {};
}
