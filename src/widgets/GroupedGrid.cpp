// SPDX-License-Identifier: MIT
#include "widgets/GroupedGrid.h"

#include <QHeaderView>
#include <QResizeEvent>

GroupedGrid::GroupedGrid(
    const QString &objectName, const QList<store::ViewColumn> &columns, int groupColumn, QWidget *parent)
    : QTreeWidget(parent)
    , m_groupColumn(groupColumn)
{
    setObjectName(objectName);
    QStringList headings;
    for (const store::ViewColumn &column : columns)
        headings << column.heading;
    setHeaderLabels(headings);
    setRootIsDecorated(groupColumn >= 0);
    setAlternatingRowColors(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setUniformRowHeights(true);
    header()->setStretchLastSection(true);
    // Columns are sized from the rows around the shown ones, not from every row of a long list.
    header()->setResizeContentsPrecision(100);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *row) { emit rowClicked(cellTexts(row)); });
}

void GroupedGrid::setHiddenColumns(const QList<int> &columns)
{
    for (int column : columns)
        setColumnHidden(column, true);
}

void GroupedGrid::fill(const QList<store::ViewGroup> &groups)
{
    clear();
    // Rows are made apart from the grid and handed over a group at a time: adding them one by one
    // to a shown grid costs a model update each.
    QList<QTreeWidgetItem *> topRows;
    for (const store::ViewGroup &group : groups) {
        QList<QTreeWidgetItem *> rows;
        rows.reserve(group.rows.size());
        for (const QStringList &texts : group.rows) {
            auto *row = new QTreeWidgetItem;
            for (int column = 0; column < texts.size(); ++column)
                if (column != m_groupColumn)
                    row->setText(column, texts.at(column));
            rows << row;
        }
        if (m_groupColumn < 0) {
            topRows << rows;
            continue;
        }
        auto *parentRow = new QTreeWidgetItem;
        parentRow->setText(m_groupColumn, group.key);
        QFont bold = parentRow->font(m_groupColumn);
        bold.setBold(true);
        parentRow->setFont(m_groupColumn, bold);
        parentRow->addChildren(rows);
        topRows << parentRow;
    }
    addTopLevelItems(topRows);
    if (m_groupColumn == 0)
        for (QTreeWidgetItem *parentRow : std::as_const(topRows))
            parentRow->setFirstColumnSpanned(true);
    expandAll();
    fitColumns();
}

void GroupedGrid::fitColumns()
{
    int total = 0;
    for (int column = 0; column < columnCount(); ++column) {
        resizeColumnToContents(column);
        if (!isColumnHidden(column))
            total += columnWidth(column);
    }
    // Narrow the widest columns to a common width rather than scroll sideways.
    const int available = viewport()->width() - 2;
    if (total <= available)
        return;
    QList<int> widths;
    for (int column = 0; column < columnCount(); ++column)
        if (!isColumnHidden(column))
            widths << columnWidth(column);
    std::sort(widths.begin(), widths.end());
    int cap = 0;
    int below = 0;
    for (int i = 0; i < widths.size(); ++i) {
        cap = (available - below) / int(widths.size() - i);
        if (widths.at(i) > cap)
            break;
        below += widths.at(i);
    }
    for (int column = 0; column < columnCount(); ++column)
        if (!isColumnHidden(column))
            setColumnWidth(column, std::min(columnWidth(column), std::max(cap, 36)));
}

void GroupedGrid::resizeEvent(QResizeEvent *event)
{
    QTreeWidget::resizeEvent(event);
    fitColumns();
}

QStringList GroupedGrid::cellTexts(const QTreeWidgetItem *row) const
{
    QStringList texts;
    for (int column = 0; column < columnCount(); ++column)
        texts << row->text(column);
    return texts;
}

QTreeWidgetItem *GroupedGrid::findRecordRow(int column, const QString &text) const
{
    const QList<QTreeWidgetItem *> found = findItems(text, Qt::MatchExactly | Qt::MatchRecursive, column);
    return found.isEmpty() ? nullptr : found.first();
}
