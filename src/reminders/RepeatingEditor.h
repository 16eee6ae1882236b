// SPDX-License-Identifier: MIT
#pragma once

#include "reminders/EditorWithReminder.h"
#include "store/RepeatRule.h"

class RepeatCombo;

/// An editor whose record may repeat (task, schedule): the repeat combo, the series written with
/// the record, and the question whether a change is for one occurrence or the whole series.
class RepeatingEditor : public EditorWithReminder
{
    Q_OBJECT
public:
    /// Where the record's dates are: the start's combo and column, and the other dates that move
    /// with an occurrence (an end), the reminder date besides.
    struct Dates
    {
        DateCombo *start;
        QList<DateCombo *> moved;
        QList<int> columns; ///< the start's column first
    };

    RepeatingEditor(AppContext &app, const QString &objectName, Keys keys, const QString &callerMarker,
        const QString &title, QSize size, QWidget *owner, RecordTable table);

    /// Shows one occurrence of the stored series: its day as the start, the end and the reminder
    /// moved by as many days. An update for "only this one" changes that occurrence. Without a
    /// call the occurrence is the series' first.
    void showOccurrence(QDate day);
    /// The occurrence an update for "only this one" changes; invalid unless a series is edited.
    QDate occurrence() const { return m_series ? m_occurrence : QDate(); }

protected:
    /// Builds the repeat combo at the right of a row; call once, after the reminder section.
    void buildRepeatCombo(const Dates &dates, int y);
    /// Shows how the stored record repeats; call from the editor's start of edit mode.
    void showStoredRepeat(const store::Record &record);
    /// Saves a new record with its series.
    void saveRepeating(const store::Values &columns, const QString &message, const QString &title);
    /// Updates the edited record; a repeating one asks first whether for one occurrence or all.
    void updateRepeating(const store::Values &columns, const QString &message, const QString &title, Messages messages);

    store::Values reminderColumns(qint64 remNo) const override;
    void recordWritten(store::Database &db, const RecordTable &table, qint64 rowid, const store::Values &values) override;

    RepeatCombo *cmbrepeat = nullptr;

private:
    /// The values with the dates of the given columns moved by so many days.
    static store::Values movedDates(store::Values values, const QList<int> &columns, int days);

    /// What a write is for: the record as edited, its series with it, or one changed occurrence,
    /// added as a record of its own.
    enum class Writing { Series, Occurrence };

    RecordTable m_table;
    Dates m_dates {};
    std::optional<store::Repeat> m_series;
    bool m_seriesKnown = true;
    qint64 m_seriesRowid = 0;
    QDate m_seriesStart;
    QDate m_occurrence;
    Writing m_writing = Writing::Series;
    int m_writeShift = 0; ///< days the written dates lie from the shown ones
};
