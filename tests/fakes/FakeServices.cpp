// SPDX-License-Identifier: MIT
#include "fakes/FakeServices.h"

void FakeDialogs::message(const QString &text, MessageIcon icon, const QString &title)
{
    shown.append({text, icon, title});
    if (onMessage)
        onMessage();
}

std::optional<QString> FakeDialogs::openFile(const QString &filter, const QString &defaultSuffix)
{
    fileRequests.append({filter, defaultSuffix});
    return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.takeFirst();
}

QStringList FakeDialogs::openFiles(const QString &filter)
{
    fileRequests.append({filter, {}});
    return filesAnswers.isEmpty() ? QStringList() : filesAnswers.takeFirst();
}

QStringList FakeDialogs::takeTexts()
{
    QStringList texts;
    for (const ShownMessage &m : std::as_const(shown))
        texts << m.text;
    shown.clear();
    return texts;
}
