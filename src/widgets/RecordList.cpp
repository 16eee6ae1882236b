// SPDX-License-Identifier: MIT
#include "widgets/RecordList.h"

#include "context/AppContext.h"
#include "context/RecordWindows.h"
#include "context/ScanPause.h"
#include "store/Repeats.h"
#include "store/StoreError.h"
#include "widgets/GroupedGrid.h"
#include "widgets/ImageButton.h"
#include "widgets/RecordControls.h"
#include "widgets/RecordRefresh.h"
#include "widgets/SeriesQuestion.h"
#include "widgets/rules/RepeatChoices.h"
#include "widgets/rules/StoreFailure.h"

#include <QLineEdit>
#include <optional>

RecordList::RecordList(AppContext &app, const QString &objectName, RecordKind kind, const QString &title, QSize size,
    QWidget *owner, const QString &cancelName)
    : RecordWindow(app, objectName, title, size, owner)
    , m_kind(std::move(kind))
{
    const int y = size.height() - 44;
    const int width = 100;
    const int gap = (size.width() - 32 - 4 * width) / 3;
    QRect place(16, y, width, 30);
    lblnew = makeLabelButton(QStringLiteral("lblnew"), QStringLiteral("New"), this, place);
    lbledit
        = makeLabelButton(QStringLiteral("lbledit"), QStringLiteral("Edit"), this, place.translated(width + gap, 0));
    lblDelete = makeLabelButton(
        QStringLiteral("lblDelete"), QStringLiteral("Delete"), this, place.translated(2 * (width + gap), 0));
    m_cancel = makeLabelButton(cancelName, QStringLiteral("Cancel"), this, place.translated(3 * (width + gap), 0));
    Text1 = makeHiddenBox(QStringLiteral("Text1"), this);
    Text2 = makeHiddenBox(QStringLiteral("Text2"), this);
    Text3 = makeHiddenBox(QStringLiteral("Text3"), this);
    connect(m_cancel, &ImageButton::clicked, this, &RecordList::closeList);
    setEscapeButton(m_cancel);
}

records::RecordKey RecordList::selection() const
{
    return { Text1->text(), Text2->text(), Text3->text() };
}

void RecordList::select(const QString &name, const QString &date, const QString &time)
{
    Text1->setText(name);
    Text2->setText(date);
    Text3->setText(time);
}

void RecordList::takeSelectionFrom(GroupedGrid *grid, records::KeyColumns key)
{
    connect(grid, &GroupedGrid::rowSelected, this, [this, key](const QStringList &cells) {
        select(cells.value(key.name), cells.value(key.date), cells.value(key.time));
    });
    connect(grid, &GroupedGrid::rowActivated, lbledit, &ImageButton::click);
}

void RecordList::askForSelection(const QString &title)
{
    app().message(QStringLiteral(" Please Select The Item"), MessageIcon::Information, title);
    show();
}

void RecordList::closeList()
{
    app().windows().unload(objectName());
    app().windows().setMarker(QString());
}

bool RecordList::tryStore(const QString &whatFailed, const std::function<void()> &action)
{
    try {
        action();
        return true;
    } catch (const store::Error &error) {
        app().message(
            records::storeFailureText(whatFailed, error.code()), MessageIcon::Warning, QStringLiteral("Orrisday"));
        return false;
    }
}

void RecordList::readGrids(const std::function<void()> &fill)
{
    tryStore(QStringLiteral("The %1s could not be read").arg(m_kind.noun), fill);
}

QList<store::Record> RecordList::remindersOf(const store::Record &record) const
{
    return app().db().records(
        store::Table::Reminder, QStringLiteral("rem_no = ?"), { record.number(m_kind.remNoColumn) });
}

void RecordList::editStored(const records::RecordKey &key, Matches which, const EditorOpener &fill)
{
    std::optional<store::Record> record;
    QList<store::Record> reminders;
    const bool read = tryStore(QStringLiteral("The %1 could not be opened").arg(m_kind.noun), [&] {
        const QList<store::Record> found = records::matchingRows(app().db().records(m_kind.table), key);
        if (!found.isEmpty()) {
            record = which == Matches::Last ? found.last() : found.first();
            if (record->number(m_kind.remNoColumn) != 0)
                reminders = remindersOf(*record);
        }
    });
    if (!read)
        return;
    if (!record) {
        closeList();
        return;
    }
    if (QWidget *editor = app().windows().open(m_kind.editorKey))
        fill(editor, *record, reminders);
}

void RecordList::deleteSelection(const Deletion &deletion)
{
    const records::RecordKey key = selection();
    if (key.isEmpty()) {
        askForSelection(deletion.selectTitle);
        return;
    }
    ScanPause pause(app());
    int deleted = 0;
    bool cancelled = false;
    const bool done = tryStore(QStringLiteral("The %1 could not be deleted").arg(m_kind.noun), [&] {
        store::Database &db = app().db();
        QList<store::Record> records = records::matchingRows(db.records(m_kind.table), key);
        if (deletion.records == Matches::First)
            records = records.mid(0, 1);
        const QHash<qint64, QDate> occurrences = firstOccurrences(records);
        const SeriesScope scope = occurrences.isEmpty()
            ? SeriesScope::WholeSeries
            : askSeriesScope(app(), m_kind.table, SeriesChange::Delete);
        if (scope == SeriesScope::Cancelled) {
            cancelled = true;
            return;
        }
        store::Transaction transaction(db);
        for (const store::Record &record : records) {
            if (scope == SeriesScope::ThisOne && occurrences.contains(record.rowid)) {
                store::addException(db, m_kind.table, record.rowid, occurrences.value(record.rowid));
                ++deleted;
                continue;
            }
            QList<store::Record> reminders = remindersOf(record);
            if (deletion.reminderRows == Matches::First)
                reminders = reminders.mid(0, 1);
            try {
                for (const store::Record &reminder : reminders)
                    db.remove(store::Table::Reminder, reminder.rowid);
                db.remove(m_kind.table, record.rowid);
            } catch (const store::Error &error) {
                if (error.code() != store::RecordDeleted)
                    throw;
            }
            ++deleted;
        }
        transaction.commit();
    });
    if (!done || cancelled)
        return;
    if (deleted == 0) {
        askForSelection(deletion.selectTitle);
        return;
    }
    app().message(deletion.message, MessageIcon::Information, deletion.title);
    refreshAfterChange(app(), objectName(), objectName());
}

QHash<qint64, QDate> RecordList::firstOccurrences(const QList<store::Record> &records) const
{
    QHash<qint64, QDate> days;
    if (m_kind.table != store::Table::Task && m_kind.table != store::Table::Schedule)
        return days;
    for (const store::Record &record : records)
        if (const std::optional<store::Repeat> repeat = store::repeatOf(app().db(), m_kind.table, record.rowid))
            days.insert(record.rowid,
                records::firstOpenOccurrence(*repeat, store::parseDate(record.text(records::KeyColumns().date))));
    return days;
}
