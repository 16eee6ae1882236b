// SPDX-License-Identifier: MIT
#include "reminders/Frm_Event.h"

#include "context/AppContext.h"
#include "reminders/rules/EventRules.h"
#include "widgets/RecordControls.h"

#include <QLabel>

Frm_Event::Frm_Event(AppContext &app)
    : RecordWindow(app, QStringLiteral("Frm_Event"), QStringLiteral("Computer Event"), Size, nullptr)
{
    setWindowFlag(Qt::WindowStaysOnTopHint);
    Label1 = makeCaption(QStringLiteral("Label1"), QStringLiteral("Event Name"), this, { 24, 50, 96, 24 });
    Label2 = makeCaption(QStringLiteral("Label2"), {}, this, { 124, 50, 206, 24 });
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);
    Label3 = makeCaption(QStringLiteral("Label3"), QStringLiteral("Would You like To Continue"), this, { 24, 84, 306, 24 });
    Label4 = makeCaption(QStringLiteral("Label4"), {}, this, { 24, 108, 306, 20 });
    lblok = makeLabelButton(QStringLiteral("lblok"), QStringLiteral("OK"), this, { 132, 140, 96, 30 });
    lblcancel = makeLabelButton(QStringLiteral("lblcancel"), QStringLiteral("Cancel"), this, { 238, 140, 96, 30 });
    connect(lblok, &ImageButton::clicked, this, &Frm_Event::confirm);
    connect(lblcancel, &ImageButton::clicked, this, &Frm_Event::cancel);
    setEscapeButton(lblcancel);
}

void Frm_Event::setEventName(const QString &name)
{
    Label2->setText(name);
}

QString Frm_Event::eventName() const
{
    return Label2->text();
}

void Frm_Event::confirm()
{
    const std::optional<int> flags = reminders::exitFlagsFor(eventName());
    if (!flags)
        return;
    const ActionResult result = app().services().systemExit->exitSystem(*flags);
    if (!result.done)
        app().message(QStringLiteral("%1 could not be carried out: %2.").arg(eventName(), result.why),
            MessageIcon::Warning, QStringLiteral("Orrisday"));
}

void Frm_Event::cancel()
{
    close();
}
