// SPDX-License-Identifier: MIT
#include "widgets/RecordEditor.h"

#include "context/AppContext.h"
#include "context/RecordWindows.h"
#include "store/DateTimeText.h"
#include "widgets/ChoiceCombo.h"
#include "widgets/DateCombo.h"
#include "widgets/RecordControls.h"
#include "widgets/RecordRefresh.h"
#include "widgets/RecordWrite.h"
#include "widgets/TimeCombo.h"

#include <QLabel>
#include <QLineEdit>

RecordEditor::RecordEditor(
    AppContext &app, const QString &objectName, Keys keys, const QString &title, QSize size, QWidget *owner)
    : RecordWindow(app, objectName, title, size, owner)
    , m_keys(std::move(keys))
{
    const QRect buttonRow(size.width() - 214, size.height() - 44, 96, 30);
    lblsave = makeLabelButton(QStringLiteral("lblsave"), QStringLiteral("Save"), this, buttonRow);
    lblupdate = makeLabelButton(QStringLiteral("lblupdate"), QStringLiteral("Update"), this, buttonRow);
    lblcancel
        = makeLabelButton(QStringLiteral("lblcancel"), QStringLiteral("Cancel"), this, buttonRow.translated(106, 0));
    setEscapeButton(lblcancel);
    Text4 = makeHiddenBox(QStringLiteral("Text4"), this);
    Text5 = makeHiddenBox(QStringLiteral("Text5"), this);
    Text6 = makeHiddenBox(QStringLiteral("Text6"), this);
    setMode(Mode::New);
    connect(lblcancel, &ImageButton::clicked, this, &RecordEditor::cancel);
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

QLineEdit *RecordEditor::textField(const QString &objectName, const QString &captionText, int y)
{
    caption(captionText, { 16, y, 84, 26 });
    auto *box = new QLineEdit(this);
    box->setObjectName(objectName);
    box->setGeometry(100, y, width() - 116, 26);
    return box;
}

RecordEditor::FixedChoices RecordEditor::buildFixedChoices(int y)
{
    FixedChoices choices {};
    caption(QStringLiteral("Priority"), { 252, y, 60, 26 });
    choices.priority = new ChoiceCombo(app(), QStringLiteral("cmbpriority"),
        { QStringLiteral("Urgent"), QStringLiteral("High"), QStringLiteral("Medium"), QStringLiteral("Low") }, this);
    choices.priority->setGeometry(316, y, 148, 26);
    choices.priority->setOptional(true);
    caption(QStringLiteral("Status"), { 16, y, 84, 26 });
    choices.status = new ChoiceCombo(app(), QStringLiteral("cmbstatus"),
        { QStringLiteral("Not Started"), QStringLiteral("In Progress"), QStringLiteral("Completed"),
            QStringLiteral("Awaiting"), QStringLiteral("Postponed") },
        this);
    choices.status->setGeometry(100, y, 126, 26);
    caption(QStringLiteral("Category"), { 16, y + 36, 84, 26 });
    choices.category = new ChoiceCombo(app(), QStringLiteral("cmbcategory"),
        { QStringLiteral("Business"), QStringLiteral("Personal") }, this, ChoiceCombo::Typing::Refused);
    choices.category->setGeometry(100, y + 36, 126, 26);
    return choices;
}

RecordEditor::DateTimeRow RecordEditor::dateTimeRow(
    const QString &dateName, const QString &timeName, const QString &hourList, const QString &minuteList, int y)
{
    DateTimeRow row {};
    row.date = new DateCombo(app(), dateName, this);
    row.date->setGeometry(100, y, 126, 26);
    caption(QStringLiteral("Time"), { 252, y, 60, 26 });
    row.time = new TimeCombo(app(), timeName, hourList, minuteList, this);
    row.time->setGeometry(316, y, 148, 26);
    return row;
}

void RecordEditor::showToday(DateCombo *date, TimeCombo *time)
{
    const QDateTime now = app().services().clock->now();
    date->setEditText(store::dateText(now.date()));
    showCurrentTime(time, now.time(), QStringLiteral("%1  :  %2").arg(now.time().hour()).arg(now.time().minute()));
}

void RecordEditor::preselectNow(const QList<TimeCombo *> &combos)
{
    for (TimeCombo *combo : combos) {
        combo->preselectNow();
        combo->clearEditText();
    }
}

void RecordEditor::showCurrentTime(TimeCombo *combo, QTime now, const QString &shown)
{
    combo->setEditText(shown);
    combo->setPickedTime(QStringLiteral("%1 : %2 : %3").arg(now.hour()).arg(now.minute()).arg(now.second()));
}

void RecordEditor::showStoredTime(TimeCombo *combo, const QString &stored)
{
    combo->setEditText(stored);
    combo->setPickedTime(stored);
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

void RecordEditor::finish(const QString &message, const QString &title, int times)
{
    for (int i = 0; i < times; ++i)
        app().message(message, MessageIcon::Information, title);
    refreshAfterChange(app(), m_keys.editor, m_keys.list);
}

void RecordEditor::finishUpdate(
    int updated, const QString &kind, const QString &message, const QString &title, int times)
{
    if (updated > 0) {
        finish(message, title, times);
        return;
    }
    app().message(QStringLiteral("The %1 was not found; it may have been changed or deleted.").arg(kind),
        MessageIcon::Warning, QStringLiteral("Orrisday"));
    refreshAfterChange(app(), m_keys.editor, m_keys.list);
}

void RecordEditor::cancel()
{
    app().windows().unload(m_keys.editor);
    app().windows().open(m_keys.list);
}
