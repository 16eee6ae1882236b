// SPDX-License-Identifier: MIT
#include "app/Frm_About.h"

#include "app/Orrisday.h"

#include <QLabel>
#include <QVBoxLayout>

Frm_About::Frm_About(Orrisday &app, QWidget *owner)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint)
{
    Q_UNUSED(app);
    setObjectName(QStringLiteral("Frm_About"));
    setFixedSize(409, 270);
    auto *layout = new QVBoxLayout(this);
    auto *name = new QLabel(QStringLiteral("<h2>Orrisday</h2>"), this);
    auto *version = new QLabel(QStringLiteral("Version %1").arg(Orrisday::Version), this);
    auto *notice = new QLabel(QStringLiteral("A personal organiser for tasks, schedules, notes and contacts.\n\n"
                                             "Copyright \u00a9 2026 The Orrisday developers.\n"
                                             "Licensed under the terms in OrrisdayEULA.txt."), this);
    notice->setWordWrap(true);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addWidget(notice);
    layout->addStretch();
}
