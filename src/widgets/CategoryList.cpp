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

    MSHFlexGrid1 = makeGrid(QStringLiteral("MSHFlexGrid1"), grids);
    MSHFlexGrid2 = makeGrid(QStringLiteral("MSHFlexGrid2"), grids);
    readGrids([&] {
        MSHFlexGrid1->fill(store::groupedView(this->app().db(), grids.view(QStringLiteral("Business"))));
        MSHFlexGrid2->fill(store::groupedView(this->app().db(), grids.view(QStringLiteral("Personal"))));
    });
    showCategory(QStringLiteral("Business"));
    connect(cmbcategory, &QComboBox::activated, this, [this] { showCategory(cmbcategory->currentText()); });
}

GroupedGrid *CategoryList::makeGrid(const QString &name, const Grids &grids)
{
    auto *grid = new GroupedGrid(name, grids.view(QString()).columns, 0, this);
    grid->setGeometry(16, 76, width() - 32, height() - 76 - 56);
    grid->setHiddenColumns(grids.hiddenColumns);
    grid->setLeftAligned(grids.leftAlignedColumns);
    takeSelectionFrom(grid, grids.key);
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
