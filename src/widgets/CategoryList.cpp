// SPDX-License-Identifier: MIT
#include "widgets/CategoryList.h"

#include "context/AppContext.h"
#include "widgets/ChoiceCombo.h"
#include "widgets/GroupedGrid.h"

#include <QLabel>

CategoryList::CategoryList(AppContext &app, const QString &objectName, RecordKind kind, const QString &title,
    QSize size, QWidget *owner, const QString &cancelName, const QStringList &categories, const Grids &grids)
    : RecordList(app, objectName, std::move(kind), title, size, owner, cancelName)
{
    auto *lblcategory = new QLabel(QStringLiteral("Category"), this);
    lblcategory->setObjectName(QStringLiteral("lblcategory"));
    lblcategory->setGeometry(16, 40, 70, 26);
    cmbcategory = new ChoiceCombo(app, QStringLiteral("cmbcategory"), categories, this);
    cmbcategory->setGeometry(90, 40, 140, 26);
    cmbcategory->setCurrentIndex(cmbcategory->findText(QStringLiteral("Business")));

    MSHFlexGrid1 = makeGrid(QStringLiteral("MSHFlexGrid1"), QStringLiteral("Business"), grids);
    MSHFlexGrid2 = makeGrid(QStringLiteral("MSHFlexGrid2"), QStringLiteral("Personal"), grids);
    showCategory(QStringLiteral("Business"));
    connect(cmbcategory, &QComboBox::activated, this, [this] { showCategory(cmbcategory->currentText()); });
}

GroupedGrid *CategoryList::makeGrid(const QString &name, const QString &category, const Grids &grids)
{
    const store::ViewSpec view = grids.view(category);
    auto *grid = new GroupedGrid(name, view.columns, 0, this);
    grid->setGeometry(16, 76, width() - 32, height() - 76 - 56);
    grid->setHiddenColumns(grids.hiddenColumns);
    grid->setLeftAligned(grids.leftAlignedColumns);
    try {
        grid->fill(store::groupedView(app().db(), view));
    } catch (const store::Error &) {
        reportUnreadable();
    }
    connect(grid, &GroupedGrid::rowClicked, this, [this, key = grids.key](const QStringList &cells) {
        select(cells.value(key.name), cells.value(key.date), cells.value(key.time));
    });
    return grid;
}

void CategoryList::showCategory(const QString &category)
{
    if (category == QStringLiteral("Business")) {
        MSHFlexGrid1->show();
        MSHFlexGrid2->hide();
    } else if (category == QStringLiteral("Personal")) {
        MSHFlexGrid2->show();
        MSHFlexGrid1->hide();
    }
}
