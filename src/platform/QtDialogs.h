// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Services.h"

class QtDialogs final : public Dialogs
{
public:
    void message(const QString &text, MessageIcon icon, const QString &title) override;
    std::optional<QString> openFile(const QString &filter, const QString &defaultSuffix) override;
    QStringList openFiles(const QString &filter) override;
    std::optional<QString> saveFile(const QString &filter, const QString &defaultSuffix) override;
    bool ask(const QString &text, const QString &title) override;
    SeriesScope askSeriesScope(const QString &text, const QString &title) override;
};
