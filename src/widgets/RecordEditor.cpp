// SPDX-License-Identifier: MIT
#include "widgets/RecordEditor.h"

#include "context/AppContext.h"
#include "widgets/RecordControls.h"
#include "widgets/RecordWrite.h"
#include "widgets/TimeCombo.h"

#include <QLabel>
#include <QLineEdit>

RecordEditor::RecordEditor(AppContext &app, const QString &objectName, const QString &title, QSize size, QWidget *owner)
    : RecordWindow(app, objectName, title, size, owner)
{
    const QRect buttonRow(size.width() - 214, size.height() - 44, 96, 30);
    lblsave = makeLabelButton(QStringLiteral("lblsave"), QStringLiteral("Save"), this, buttonRow);
    lblupdate = makeLabelButton(QStringLiteral("lblupdate"), QStringLiteral("Update"), this, buttonRow);
    lblcancel
        = makeLabelButton(QStringLiteral("lblcancel"), QStringLiteral("Cancel"), this, buttonRow.translated(106, 0));
    Text4 = makeHiddenBox(QStringLiteral("Text4"), this);
    Text5 = makeHiddenBox(QStringLiteral("Text5"), this);
    Text6 = makeHiddenBox(QStringLiteral("Text6"), this);
    setMode(Mode::New);
}

void RecordEditor::setMode(Mode mode)
{
    m_mode = mode;
    lblsave->setVisible(mode == Mode::New);
    lblupdate->setVisible(mode == Mode::Edit);
}

void RecordEditor::setStoredKey(const QString &name, const QString &date, const QString &time)
{
    Text4->setText(name);
    Text5->setText(date);
    Text6->setText(time);
}

void RecordEditor::delete_Zero()
{
    app().db().run(QStringLiteral("DELETE FROM REMINDER_INFO WHERE rem_no = 0"));
}

QLabel *RecordEditor::caption(const QString &text, QRect geometry)
{
    auto *label = new QLabel(text, this);
    label->setGeometry(geometry);
    return label;
}

void RecordEditor::trackPicks(TimeCombo *combo)
{
    connect(combo, &TimeCombo::picked, this, [this, combo] { m_picked.insert(combo); });
}

void RecordEditor::forgetPicks()
{
    m_picked.clear();
}

bool RecordEditor::requireFilled(
    const QStringList &texts, const QString &message, MessageIcon icon, const QString &title)
{
    if (std::none_of(texts.begin(), texts.end(), [](const QString &text) { return text.isEmpty(); }))
        return true;
    app().message(message, icon, title);
    return false;
}

bool RecordEditor::writeChange(const QString &whatFailed, const std::function<void(store::Database &)> &change)
{
    return writeRecordChange(app(), whatFailed, change);
}
