// The data grid: settings and appearance, the columns and their widths, the
// window's creation and size, and the current column.
#include "DataGrid.h"

#include "db/Query.h"
#include "platform/PainterCanvas.h"

#include <QScopeGuard>
#include <algorithm>

DataGrid::DataGrid() : columns_(this), lineColours_(*this)
{
    sumList_.ownerLoading = [this] { return loading_; };
    // The footer rows repaint whenever the values may have changed.
    sumList_.changed = [this] {
        for (int row = rowCount(); row < rowCount() + contraRowCount(); ++row)
            invalidateRow(row);
    };
    setColCount(2);
    setRowCount(2);
}

DataGrid::~DataGrid()
{
    // No more layout work while the grid goes; the sum list still gives the
    // result set's event slots back as the link lets go.
    destroying_ = true;
    link_.setDataSource(nullptr);
}

void DataGrid::setDataSource(::DataSource* source)
{
    link_.setDataSource(source);
    sumList_.setDataSet(source ? source->dataSet() : nullptr);
    sumList_.recalculateAll();
    requestLayout();
}

Canvas& DataGrid::measuringCanvas() const
{
    if (measuringCanvas_)
        return *measuringCanvas_;
    // A screen device borrowed for measuring text.
    if (!screenCanvas_)
        screenCanvas_ = std::make_unique<ImageCanvas>();
    return *screenCanvas_;
}

// --- options and settings ------------------------------------------------------

void DataGrid::changeLayoutSettings(const std::function<void(GridLayoutSettings&)>& change)
{
    GridLayoutSettings changed = settings_;
    change(changed);
    if (changed.frozenCols < 0)
        changed.frozenCols = settings_.frozenCols;
    if (changed.footerRowCount < 0)
        changed.footerRowCount = settings_.footerRowCount;
    settings_ = changed;
    requestLayout();
}

void DataGrid::changeAppearance(const std::function<void(GridAppearance&)>& change)
{
    change(appearance_);
    requestLayout();
    invalidateGrid();
}

void DataGrid::setReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    invalidateGrid();
    if (!loading())
        applyColumnWidths();
}

void DataGrid::applyColumnWidths()
{
    const int o = metrics_.indicatorOffset();
    for (int i = 0; i < columns_.count() && i + o < colCount(); ++i) {
        const GridColumn& column = columns_.item(i);
        // Tab stops at the columns whose value could be edited.
        setTabStop(i + o, !column.readOnly() && link_.active() && column.boundField());
        const int width = column.width();
        if (colWidth(i + o) != width)
            setColWidth(i + o, width);
    }
    if (colWidth(0) != metrics_.indicatorWidth())
        setColWidth(0, metrics_.indicatorWidth());
}

void DataGrid::replaceColumns(const std::function<void(GridColumns&)>& build)
{
    const bool wasLoading = loading_;
    loading_ = true;
    {
        const auto restore = qScopeGuard([this, wasLoading] { loading_ = wasLoading; });
        build(columns_);
    }
    requestLayout();
}

void DataGrid::columnsChanged(GridColumn* column)
{
    if (loading())
        return;
    if (column) {
        const int gridCol = column->index() + metrics_.indicatorOffset();
        invalidateRect(gridCol, gridCol, 0, rowCount() + contraRowCount() - 1);
        if (gridCol < colCount() && colWidth(gridCol) != column->width())
            setColWidth(gridCol, column->width());
        return;
    }
    requestLayout();
}

GridColumn* DataGrid::currentColumn()
{
    const int index = current().col - metrics_.indicatorOffset();
    return index >= 0 && index < columns_.count() ? &columns_.item(index) : nullptr;
}

void DataGrid::invalidateRow(int row)
{
    for (int col = 0; col < colCount(); ++col)
        invalidateRect(col, col, row, row);
}

void DataGrid::topLeftChanged()
{
    // Titles repaint when the first scrolling column comes or goes at the left.
    const bool atFirst = leftCol() == fixedCols();
    const bool wasAtFirst = lastLeftCol_ < 0 || lastLeftCol_ == fixedCols();
    if (atFirst != wasAtFirst)
        for (int row = 0; row < metrics_.titleOffset(); ++row)
            invalidateRow(row);
    lastLeftCol_ = leftCol();
    editor_.refresh();
}

// --- the vertical bar and scaling ------------------------------------------------

void DataGrid::applyScrollBarSettings()
{
    if (window())
        window()->setScrollBarEnabled(ScrollBarKind::Horizontal, maxTopLeft().col > fixedCols());
}

void DataGrid::colWidthsChanged()
{
    if (!(link_.active() || columns_.count() > 0) || !batch_.tryLock())
        return;
    const int o = metrics_.indicatorOffset();
    for (int i = 0; i < columns_.count() && i + o < colCount(); ++i)
        columns_.item(i).setWidth(colWidth(i + o));
    batch_.unlock();
}

// --- the window and the current column ---------------------------------------------

void DataGrid::windowCreated()
{
    if (batch_.depth() == 0) {
        link_.size();
        link_.syncCurrentRow();
    }
    vertBar_.update();
}

void DataGrid::loaded()
{
    loading_ = false;
    if (columns_.count() > 0)
        setColCount(columns_.count());
    if (dataSource())
        sumList_.recalculateAll();
    requestLayout();
    batch_.defer();
}

void DataGrid::resized()
{
    CellGrid::resized();
    if (updateLocked()) {
        sizeChangedWhileLocked_ = true;
        return;
    }
    link_.size();
    vertBar_.update();
}

void DataGrid::catchUpResize()
{
    if (!updateLocked() && sizeChangedWhileLocked_) {
        sizeChangedWhileLocked_ = false;
        resized();
    }
}

void DataGrid::moveCol(int gridCol, int direction)
{
    const int first = metrics_.indicatorOffset();
    const int last = colCount() - 1;
    if (last < first)
        return;
    int col = qBound(first, gridCol, last);
    if (direction != 0) {
        while (col >= first && col <= last && colWidth(col) < 1)
            col += direction;
        if (col < first || col > last)
            return;
    }
    if (col == current().col)
        return;
    editor_.hide();
    invalidateRow(current().row);
    setCurrent({col, current().row});
    bringCellIntoView(col, current().row);
    invalidateRow(current().row);
}
