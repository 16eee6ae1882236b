// SPDX-License-Identifier: MIT
#include "platform/QtTrayIcon.h"

#include <QApplication>
#include <QIcon>
#include <QSystemTrayIcon>

QtTrayIcon::~QtTrayIcon()
{
    delete m_icon;
}

void QtTrayIcon::show(const QString &tip, QMenu *menu)
{
    if (!m_icon) {
        m_icon = new QSystemTrayIcon(QIcon(QStringLiteral(":/art/tray.svg")));
        connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::DoubleClick)
                emit doubleClicked();
        });
    }
    m_icon->setToolTip(tip);
    m_icon->setContextMenu(menu);
    m_icon->show();
}

void QtTrayIcon::remove()
{
    if (m_icon)
        m_icon->hide();
}

bool QtTrayIcon::isShown() const
{
    return m_icon && m_icon->isVisible();
}

bool QtTrayIcon::isAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}
