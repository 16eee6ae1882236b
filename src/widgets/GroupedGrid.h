// SPDX-License-Identifier: MIT
#pragma once

#include "store/Views.h"

#include <QTreeWidget>

/// A list window's grid: one parent row per group with its records beneath (or the records alone
/// for a flat view). The group column shows the group on parent rows and stays blank on records.
/// A click on a row reports the texts of its cells in the view's column order.
class GroupedGrid final : public QTreeWidget
{
    Q_OBJECT
public:
    GroupedGrid(const QString &objectName, const QList<store::ViewColumn> &columns, int groupColumn, QWidget *parent);

    void setHiddenColumns(const QList<int> &columns);
    /// Record cells of these columns align to the left and top.
    void setLeftAligned(const QList<int> &columns) { m_leftAligned = columns; }
    /// Columns of a given width in pixels, widened where their texts need it; the others fit
    /// their texts.
    void setFixedWidths(const QMap<int, int> &widths);
    /// Shows the view's groups and records, all groups expanded.
    void fill(const QList<store::ViewGroup> &groups);

    /// The cell texts of a row in column order.
    QStringList cellTexts(const QTreeWidgetItem *row) const;
    /// The row of a record by its texts in one column; nothing when none shows it.
    QTreeWidgetItem *findRecordRow(int column, const QString &text) const;

signals:
    void rowClicked(const QStringList &cells);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    /// Sizes the columns to their texts, narrowed to fit the grid's width.
    void fitColumns();

    int m_groupColumn;
    QList<int> m_leftAligned;
    QMap<int, int> m_fixedWidths;
};
