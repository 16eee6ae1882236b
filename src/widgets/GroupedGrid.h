// SPDX-License-Identifier: MIT
#pragma once

#include "store/Views.h"

#include <QTreeWidget>

/// A list window's grid: one parent row per group with its records beneath (or the records alone
/// for a flat view). The group column shows the group on parent rows and stays blank on records.
/// The highlighted row, however the user moved it there, is reported as the texts of its cells.
class GroupedGrid final : public QTreeWidget
{
    Q_OBJECT
public:
    GroupedGrid(const QString &objectName, const QList<store::ViewColumn> &columns, int groupColumn, QWidget *parent);

    void setHiddenColumns(const QList<int> &columns);
    /// Record cells of these columns align to the left and top.
    void setLeftAligned(const QList<int> &columns) { m_leftAligned = columns; }
    /// Columns of a given width in pixels, widened where their texts need it and room is left; the
    /// others fit their texts.
    void setFixedWidths(const QMap<int, int> &widths);
    /// Shows the view's groups and records, all groups expanded.
    void fill(const QList<store::ViewGroup> &groups);

    /// The cell texts of a row in column order.
    QStringList cellTexts(const QTreeWidgetItem *row) const;
    /// The row of a record by its texts in one column; nothing when none shows it.
    QTreeWidgetItem *findRecordRow(int column, const QString &text) const;

signals:
    /// The highlighted row's cells; empty texts when no row is highlighted.
    void rowSelected(const QStringList &cells);
    /// A record row was double-clicked, or Enter was pressed on the highlighted one.
    void rowActivated();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    /// Shows the whole text of an elided cell as its tooltip.
    bool viewportEvent(QEvent *event) override;

private:
    /// Sizes the columns to their texts, narrowed toward their least widths to fit the grid's
    /// width; what does not fit even so scrolls sideways.
    void fitColumns();
    int leastWidth(int column) const;
    bool isRecordRow(const QTreeWidgetItem *row) const;

    int m_groupColumn;
    QList<int> m_leftAligned;
    QMap<int, int> m_fixedWidths;
};
