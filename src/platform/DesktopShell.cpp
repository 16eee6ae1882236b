// SPDX-License-Identifier: MIT
#include "platform/DesktopShell.h"

#include "platform/rules/ShellTarget.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QUrl>

bool DesktopShell::open(const QString &target, const QString &workingFolder)
{
    const ShellTarget what = shellTargetOf(target, workingFolder);
    switch (what.kind) {
    case ShellTarget::Kind::Program:
        return QProcess::startDetached(what.location, {}, QDir(workingFolder).exists() ? workingFolder : QString());
    case ShellTarget::Kind::Document:
        return QDesktopServices::openUrl(QUrl::fromLocalFile(what.location));
    case ShellTarget::Kind::Address:
        return QDesktopServices::openUrl(QUrl(what.location));
    case ShellTarget::Kind::Nothing:
        break;
    }
    return false;
}
