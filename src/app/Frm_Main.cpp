// SPDX-License-Identifier: MIT
#include "app/Frm_Main.h"

#include "app/Orrisday.h"
#include "app/RecordWindows.h"

#include <QLineEdit>

Frm_Main::Frm_Main(Orrisday &app)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_app(app)
{
    setObjectName(QStringLiteral("Frm_Main"));
    setWindowTitle(Orrisday::Title);
    setFixedSize(593, 462);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->hide();
    m_windows = std::make_unique<RecordWindows>(app, this, Text1);
}

Frm_Main::~Frm_Main() = default;

void Frm_Main::check()
{
    m_windows->check();
}

void Frm_Main::openRecordWindow(const QString &key)
{
    m_windows->open(key);
}

void Frm_Main::reload()
{
    Text1->clear();
    emit reloaded();
    show();
}

void Frm_Main::bringForward()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}
