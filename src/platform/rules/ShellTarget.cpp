// SPDX-License-Identifier: MIT
#include "platform/rules/ShellTarget.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

ShellTarget shellTargetOf(const QString &target, const QString &workingFolder)
{
    using Kind = ShellTarget::Kind;
    const QString text = target.trimmed();
    if (text.isEmpty())
        return {};
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return { Kind::Address, QUrl::fromUserInput(text).toString() };
    const QUrl url(text, QUrl::StrictMode);
    // A one-letter scheme is a drive letter, not an address.
    if (url.isValid() && url.scheme().size() > 1 && url.scheme() != QLatin1String("file"))
        return { Kind::Address, text };

    const QString path = url.scheme() == QLatin1String("file") ? url.toLocalFile() : text;
    const QFileInfo file(QDir(workingFolder).filePath(path));
    if (file.exists())
        return { file.isFile() && file.isExecutable() ? Kind::Program : Kind::Document, file.absoluteFilePath() };
    if (!path.contains(QLatin1Char('/'))) {
        const QString program = QStandardPaths::findExecutable(path);
        if (!program.isEmpty())
            return { Kind::Program, program };
    }
    return {};
}
