// SPDX-License-Identifier: MIT
#include "widgets/GroupedGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QToolTip>

namespace {

/// No column narrows below this, nor below its heading.
constexpr int LeastColumnWidth = 64;

} // namespace

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
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem *> selected = selectedItems();
        emit rowSelected(selected.isEmpty() ? QStringList(columnCount(), QString()) : cellTexts(selected.first()));
    });
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *row) {
        if (isRecordRow(row))
            emit rowActivated();
    });
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

int GroupedGrid::leastWidth(int column) const
{
    const int heading = header()->sectionSizeHint(column);
    return std::max({ LeastColumnWidth, heading, m_fixedWidths.value(column, 0) });
}

void GroupedGrid::fitColumns()
{
    QList<int> columns;
    QList<int> wanted;
    QList<int> least;
    int total = 0;
    for (int column = 0; column < columnCount(); ++column) {
        if (isColumnHidden(column))
            continue;
        resizeColumnToContents(column);
        columns << column;
        wanted << std::max(columnWidth(column), m_fixedWidths.value(column, 0));
        least << leastWidth(column);
        total += wanted.last();
    }
    // Narrow the widest columns to a common width, none below its least width; if even that does
    // not fit, the grid scrolls sideways.
    const int available = viewport()->width() - 2;
    const auto widthAt = [&](int i, int cap) { return std::max(least.at(i), std::min(wanted.at(i), cap)); };
    const auto totalAt = [&](int cap) {
        int sum = 0;
        for (int i = 0; i < columns.size(); ++i)
            sum += widthAt(i, cap);
        return sum;
    };
    int cap = total;
    if (total > available) {
        int low = 0;
        int high = total;
        while (low < high) {
            const int middle = (low + high + 1) / 2;
            if (totalAt(middle) <= available)
                low = middle;
            else
                high = middle - 1;
        }
        cap = low;
    }
    for (int i = 0; i < columns.size(); ++i)
        setColumnWidth(columns.at(i), widthAt(i, cap));
}

void GroupedGrid::resizeEvent(QResizeEvent *event)
{
    QTreeWidget::resizeEvent(event);
    fitColumns();
}

void GroupedGrid::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !selectedItems().isEmpty() && isRecordRow(selectedItems().first())) {
        emit rowActivated();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

bool GroupedGrid::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QTreeWidget::viewportEvent(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const QModelIndex cell = indexAt(help->pos());
    const QString text = cell.data().toString();
    // The item's margins take a few pixels from the column on either side.
    const int room = visualRect(cell).width() - 8;
    if (cell.isValid() && viewport()->fontMetrics().horizontalAdvance(text) > room)
        QToolTip::showText(help->globalPos(), text, viewport(), visualRect(cell));
    else
        QToolTip::hideText();
    return true;
}

bool GroupedGrid::isRecordRow(const QTreeWidgetItem *row) const
{
    return m_groupColumn < 0 || row->parent();
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
