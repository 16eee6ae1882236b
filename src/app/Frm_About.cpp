// SPDX-License-Identifier: MIT
#include "app/Frm_About.h"

#include "app/Orrisday.h"
#include "context/AppContext.h"
#include "widgets/RecordControls.h"

#include <QLabel>

Frm_About::Frm_About(AppContext &app, QWidget *owner)
    : RecordWindow(app, QStringLiteral("Frm_About"), QStringLiteral("About Orrisday"), { 409, 270 }, owner)
{
    auto *name = new QLabel(QStringLiteral("Orrisday"), this);
    name->setObjectName(QStringLiteral("lblName"));
    QFont large = name->font();
    large.setPointSizeF(large.pointSizeF() * 2);
    large.setBold(true);
    name->setFont(large);
    name->setGeometry(24, 46, 361, 40);

    auto *version = new QLabel(QStringLiteral("Version %1").arg(Orrisday::Version), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setGeometry(24, 88, 361, 20);

    auto *notice = new QLabel(QStringLiteral("A personal organiser for tasks, schedules, notes and contacts.\n\n"
                                             "Copyright \u00a9 2026 The Orrisday developers. This program is "
                                             "licensed under the terms in OrrisdayEULA.txt and comes without "
                                             "any warranty."),
        this);
    notice->setObjectName(QStringLiteral("lblNotice"));
    notice->setWordWrap(true);
    notice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    notice->setGeometry(24, 118, 361, 90);

    auto *ok = makeLabelButton(QStringLiteral("lblOk"), QStringLiteral("OK"), this, { 309, 224, 80, 28 });
    connect(ok, &ImageButton::clicked, this, &QWidget::close);
    setEscapeButton(ok);
}
