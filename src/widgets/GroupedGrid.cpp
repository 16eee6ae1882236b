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
    // Columns fit the texts of the first rows: enough for a readable grid, cheap with thousands.
    header()->setResizeContentsPrecision(100);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *row) { emit rowClicked(cellTexts(row)); });
}

void GroupedGrid::setHiddenColumns(const QList<int> &columns)
{
    for (int column : columns)
        setColumnHidden(column, true);
}

void GroupedGrid::setFixedWidths(const QMap<int, int> &widths)
{
    m_fixedWidths = widths;
    fitColumns();
}

void GroupedGrid::fill(const QList<store::ViewGroup> &groups)
{
    clear();
    // Rows are built apart from the grid and handed over at once: far cheaper than one by one.
    QList<QTreeWidgetItem *> topRows;
    for (const store::ViewGroup &group : groups) {
        QList<QTreeWidgetItem *> records;
        records.reserve(group.rows.size());
        for (QStringList texts : group.rows) {
            if (m_groupColumn >= 0 && m_groupColumn < texts.size())
                texts[m_groupColumn].clear();
            auto *row = new QTreeWidgetItem(texts);
            for (int column : m_leftAligned)
                row->setTextAlignment(column, Qt::AlignLeft | Qt::AlignTop);
            records << row;
        }
        if (m_groupColumn < 0) {
            topRows << records;
            continue;
        }
        auto *parentRow = new QTreeWidgetItem();
        parentRow->setText(m_groupColumn, group.key);
        QFont bold = parentRow->font(m_groupColumn);
        bold.setBold(true);
        parentRow->setFont(m_groupColumn, bold);
        parentRow->addChildren(records);
        topRows << parentRow;
    }
    addTopLevelItems(topRows);
    for (QTreeWidgetItem *row : std::as_const(topRows))
        row->setFirstColumnSpanned(m_groupColumn == 0 && row->childCount() > 0);
    expandAll();
    fitColumns();
}

void GroupedGrid::fitColumns()
{
    int total = 0;
    for (int column = 0; column < columnCount(); ++column) {
        resizeColumnToContents(column);
        if (m_fixedWidths.contains(column))
            setColumnWidth(column, std::max(columnWidth(column), m_fixedWidths.value(column)));
        if (!isColumnHidden(column))
            total += columnWidth(column);
    }
    // Narrow the widest columns to a common width rather than scroll sideways.
    const int available = viewport()->width() - 2;
    if (total <= available)
        return;
    QList<int> widths;
    int below = 0;
    for (int column = 0; column < columnCount(); ++column) {
        if (isColumnHidden(column))
            continue;
        if (m_fixedWidths.contains(column))
            below += columnWidth(column);
        else
            widths << columnWidth(column);
    }
    std::sort(widths.begin(), widths.end());
    int cap = 0;
    for (int i = 0; i < widths.size(); ++i) {
        cap = (available - below) / int(widths.size() - i);
        if (widths.at(i) > cap)
            break;
        below += widths.at(i);
    }
    for (int column = 0; column < columnCount(); ++column)
        if (!isColumnHidden(column) && !m_fixedWidths.contains(column))
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
