// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Services.h"

class QSystemTrayIcon;

class QtTrayIcon final : public TrayIcon
{
public:
    ~QtTrayIcon() override;
    void show(const QString &tip, QMenu *menu) override;
    void remove() override;
    bool isShown() const override;
    bool isAvailable() const override;

private:
    QSystemTrayIcon *m_icon = nullptr;
};
