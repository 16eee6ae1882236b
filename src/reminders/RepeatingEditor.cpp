// SPDX-License-Identifier: MIT
#include "reminders/RepeatingEditor.h"

#include "context/AppContext.h"
#include "store/DateTimeText.h"
#include "store/Repeats.h"
#include "widgets/DateCombo.h"
#include "widgets/RepeatCombo.h"
#include "widgets/SeriesQuestion.h"
#include "widgets/rules/StoreFailure.h"

RepeatingEditor::RepeatingEditor(AppContext &app, const QString &objectName, Keys keys, const QString &callerMarker,
    const QString &title, QSize size, QWidget *owner, RecordTable table)
    : EditorWithReminder(app, objectName, std::move(keys), callerMarker, title, size, owner)
    , m_table(std::move(table))
{
}

void RepeatingEditor::buildRepeatCombo(const Dates &dates, int y)
{
    m_dates = dates;
    m_dates.moved.prepend(dates.start);
    m_dates.moved << m_remDate;
    caption(QStringLiteral("Repeat"), { 252, y, 60, 26 });
    cmbrepeat = new RepeatCombo(app(), QStringLiteral("cmbrepeat"), dates.start, this);
    cmbrepeat->setGeometry(316, y, 148, 26);
}

void RepeatingEditor::showStoredRepeat(const store::Record &record)
{
    m_seriesRowid = record.rowid;
    m_seriesStart = store::parseDate(record.text(m_dates.columns.first()));
    m_occurrence = m_seriesStart;
    try {
        m_series = store::repeatOf(app().db(), m_table.table, record.rowid);
    } catch (const store::Error &error) {
        // Unread, the series is left as it is stored.
        m_seriesKnown = false;
        cmbrepeat->setEnabled(false);
        app().message(records::storeFailureText(QStringLiteral("How the %1 repeats could not be read").arg(m_table.kind),
                          error.code()),
            MessageIcon::Warning, QStringLiteral("Orrisday"));
        return;
    }
    cmbrepeat->setRule(m_series ? std::optional(m_series->rule) : std::nullopt);
}

void RepeatingEditor::showOccurrence(QDate day)
{
    if (mode() != Mode::Edit || !m_series || !day.isValid())
        return;
    const int days = m_occurrence.daysTo(day);
    for (DateCombo *date : std::as_const(m_dates.moved)) {
        const QString shown = date->currentText().trimmed();
        const QDate shownDay = store::parseDate(shown);
        if (shownDay.isValid() && shown != store::NoDate)
            date->setEditText(store::dateText(shownDay.addDays(days)));
    }
    m_occurrence = day;
}

store::Values RepeatingEditor::movedDates(store::Values values, const QList<int> &columns, int days)
{
    for (int column : columns) {
        const QString text = values.value(column).toString().trimmed();
        const QDate day = store::parseDate(text);
        if (day.isValid() && text != store::NoDate)
            values[column] = store::dateText(day.addDays(days));
    }
    return values;
}

store::Values RepeatingEditor::reminderColumns(qint64 remNo) const
{
    return movedDates(EditorWithReminder::reminderColumns(remNo), { 1 }, m_writeShift);
}

void RepeatingEditor::saveRepeating(const store::Values &columns, const QString &message, const QString &title)
{
    saveRecord(m_table, columns, message, title);
}

void RepeatingEditor::updateRepeating(
    const store::Values &columns, const QString &message, const QString &title, Messages messages)
{
    if (!m_series) {
        updateRecords(m_table, columns, message, title, messages);
        return;
    }
    switch (askSeriesScope(app(), m_table.table, SeriesChange::Change)) {
    case SeriesScope::Cancelled:
        return;
    case SeriesScope::ThisOne:
        m_writing = Writing::Occurrence;
        saveRecord(m_table, columns, message, title);
        break;
    case SeriesScope::WholeSeries:
        // The shown dates are the occurrence's; the series keeps its first one, moved as they were.
        m_writeShift = m_occurrence.daysTo(m_seriesStart);
        updateRecords(m_table, movedDates(columns, m_dates.columns, m_writeShift), message, title, messages);
        break;
    }
    m_writing = Writing::Series;
    m_writeShift = 0;
}

void RepeatingEditor::recordWritten(
    store::Database &db, const RecordTable &table, qint64 rowid, const store::Values &values)
{
    if (m_writing == Writing::Occurrence) {
        store::addException(db, table.table, m_seriesRowid, m_occurrence);
        store::linkOccurrence(db, table.table, rowid, { m_seriesRowid, m_occurrence });
        return;
    }
    const std::optional<store::RepeatRule> rule = cmbrepeat->rule();
    if (!m_seriesKnown || (!rule && !m_series))
        return;
    const QDate start = store::parseDate(values.value(m_dates.columns.first()).toString().trimmed());
    std::optional<store::Repeat> repeat;
    if (rule) {
        repeat = store::Repeat { *rule, {} };
        // A series that moves takes the days it leaves out along.
        if (m_series)
            for (const QDate day : std::as_const(m_series->exceptions))
                repeat->exceptions << day.addDays(m_seriesStart.daysTo(start));
    }
    store::setRepeat(db, table.table, rowid, start, repeat);
}
