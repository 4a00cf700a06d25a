// The cell grid's state: counts, extents, options, invalidation.
#include "CellGrid.h"

#include <algorithm>

namespace {

// The extents of an axis for a new cell count: the cells kept, new ones at
// `fill`, the contra cells after them. Built aside and then taken whole: when
// memory runs out nothing has changed.
void resizeExtents(std::vector<int>& extents, int oldCount, int newCount, int contraCount, int fill)
{
    std::vector<int> resized(extents.begin(), extents.begin() + qMin(oldCount, newCount));
    resized.resize(size_t(newCount), fill);
    resized.insert(resized.end(), extents.begin() + oldCount, extents.begin() + oldCount + contraCount);
    extents = std::move(resized);
}

// Stores one cell's extent; false when it was that already.
bool storeExtent(std::vector<int>& extents, int cell, int extent)
{
    Q_ASSERT(cell >= 0 && cell < int(extents.size()));
    if (cell < 0 || cell >= int(extents.size()) || extents[size_t(cell)] == extent)
        return false;
    extents[size_t(cell)] = extent;
    return true;
}

// Stores a count of fixed cells, fewer than the cells; false for an impossible
// count. Cells that stop being fixed were in view: the view starts with them again.
bool storeFixedCount(int count, int cellCount, int& fixed, int& firstShown)
{
    Q_ASSERT(count >= 0 && count < cellCount);
    if (count < 0 || count >= cellCount)
        return false;
    firstShown = count < fixed ? qMin(firstShown, count) : qMax(firstShown, count);
    fixed = count;
    return true;
}

} // namespace

CellGrid::CellGrid()
    : colWidths_(size_t(colCount_), kDefaultColWidth), tabStops_(size_t(colCount_), true),
      rowHeights_(size_t(rowCount_), defaultRowHeight_)
{
}

void CellGrid::invalidateRect(int firstCol, int lastCol, int firstRow, int lastRow)
{
    if (!window_)
        return;
    const QRect rect = rangeBounds(firstCol, lastCol, firstRow, lastRow, true);
    if (!rect.isEmpty())
        window_->invalidate(rect);
}

void CellGrid::invalidateRow(int row)
{
    invalidateRect(0, colCount_ - 1, row, row);
}

void CellGrid::resized()
{
    refreshScrollBars();
    if (contraRowCount_ > 0)
        invalidateGrid();
}

void CellGrid::invalidateGrid()
{
    if (window_)
        window_->invalidateAll();
}

void CellGrid::keepCellsInRange()
{
    // Frozen columns are fixed in place but are data cells: they may be current.
    const int firstSelectable = fixedCols_ - qMin(frozenFixedCols_, fixedCols_);
    current_.col = qBound(firstSelectable, current_.col, colCount_ - 1);
    current_.row = qBound(fixedRows_, current_.row, rowCount_ - 1);
    const GridLayout before = layout();
    const CellPos from{leftCol_, topRow_};
    const CellPos limit = maxTopLeft();
    leftCol_ = qBound(fixedCols_, leftCol_, qMax(fixedCols_, limit.col));
    topRow_ = qBound(fixedRows_, topRow_, qMax(fixedRows_, limit.row));
    forgetLayout();
    if (from.col != leftCol_ || from.row != topRow_)
        moveTopLeft(from, before);
    refreshScrollBars();
    invalidateGrid();
}

void CellGrid::setColCount(int count)
{
    count = qMax(1, count);
    if (count == colCount_)
        return;
    if (fixedCols_ >= count)
        fixedCols_ = count - 1;
    resizeExtents(colWidths_, colCount_, count, 0, kDefaultColWidth);
    colCount_ = count;
    tabStops_.resize(size_t(colCount_), true);
    forgetLayout();
    keepCellsInRange();
}

void CellGrid::setRowCount(int count)
{
    count = qMax(1, count);
    if (count == rowCount_)
        return;
    if (fixedRows_ >= count)
        fixedRows_ = count - 1;
    resizeExtents(rowHeights_, rowCount_, count, contraRowCount_, defaultRowHeight_);
    rowCount_ = count;
    forgetLayout();
    keepCellsInRange();
}

void CellGrid::setFixedCols(int count)
{
    if (storeFixedCount(count, colCount_, fixedCols_, leftCol_)) {
        forgetLayout();
        keepCellsInRange();
    }
}

void CellGrid::setFixedRows(int count)
{
    if (storeFixedCount(count, rowCount_, fixedRows_, topRow_)) {
        forgetLayout();
        keepCellsInRange();
    }
}

void CellGrid::setFrozenFixedCols(int count)
{
    if (count < 0)
        return;
    frozenFixedCols_ = count;
    forgetLayout();
    invalidateGrid();
}

void CellGrid::setContraRowCount(int count)
{
    Q_ASSERT(count >= 0);
    if (count < 0 || count == contraRowCount_)
        return;
    // The contra rows' heights follow the rows'.
    rowHeights_.resize(size_t(rowCount_ + count), defaultRowHeight_);
    contraRowCount_ = count;
    forgetLayout();
    keepCellsInRange();
}

void CellGrid::setDefaultRowHeight(int height)
{
    defaultRowHeight_ = height;
    std::fill(rowHeights_.begin(), rowHeights_.end(), height);
    geometryChanged();
}

void CellGrid::geometryChanged()
{
    forgetLayout();
    refreshScrollBars();
    invalidateGrid();
}

void CellGrid::setTabStop(int col, bool on)
{
    Q_ASSERT(col >= 0 && col < colCount_);
    if (col >= 0 && col < colCount_)
        tabStops_[size_t(col)] = on;
}

void CellGrid::setColWidth(int col, int width)
{
    if (storeExtent(colWidths_, col, width))
        geometryChanged();
}

void CellGrid::setRowHeight(int row, int height)
{
    if (storeExtent(rowHeights_, row, height))
        geometryChanged();
}
