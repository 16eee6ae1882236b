// SPDX-License-Identifier: MIT
#pragma once

#include "store/Views.h"
#include "widgets/RecordList.h"

class ChoiceCombo;
class GroupedGrid;

/// A list of the records of one category at a time, grouped by priority: the category combo and
/// the Business and Personal grids it swaps.
class CategoryList : public RecordList
{
    Q_OBJECT
public:
    /// The grids' view of one category and where its rows keep the key's name, date and time.
    struct Grids
    {
        std::function<store::ViewSpec(const QString &category)> view;
        QList<int> hiddenColumns;
        QList<int> leftAlignedColumns;
        records::KeyColumns key;
    };

    CategoryList(AppContext &app, const QString &objectName, RecordKind kind, const QString &title, QSize size,
        QWidget *owner, const QString &cancelName, const QStringList &categories, const Grids &grids);

public slots:
    /// Shows the grid of the chosen category.
    void showCategory(const QString &category);

protected:
    ChoiceCombo *cmbcategory;

private:
    GroupedGrid *makeGrid(const QString &name, const Grids &grids);

    GroupedGrid *MSHFlexGrid1;
    GroupedGrid *MSHFlexGrid2;
};
