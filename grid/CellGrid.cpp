// The cell grid's state: counts, extents, options, invalidation.
#include "CellGrid.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const char* const kIndexOutOfRange = "Grid index out of range";

// The extents of an axis for a new cell count: the cells kept, new ones at
// `fill`, the contra cells after them. Built aside and then taken whole: when
// memory runs out nothing has changed.
void ResizeExtents(std::vector<int>& extents, int oldCount, int newCount, int contraCount, int fill)
{
    std::vector<int> resized(extents.begin(), extents.begin() + qMin(oldCount, newCount));
    resized.resize(size_t(newCount), fill);
    resized.insert(resized.end(), extents.begin() + oldCount, extents.begin() + oldCount + contraCount);
    extents = std::move(resized);
}

// Stores one cell's extent; false when it was that already.
bool StoreExtent(std::vector<int>& extents, int cell, int extent)
{
    if (cell < 0 || cell >= int(extents.size()))
        throw GridError(QString::fromLatin1(kIndexOutOfRange));
    if (extents[size_t(cell)] == extent)
        return false;
    extents[size_t(cell)] = extent;
    return true;
}

// Stores a count of contra cells, which follow the cells in the extents;
// false when it was that already.
bool StoreContraCount(std::vector<int>& extents, int cellCount, int& contraCount, int count, int fill,
                      const char* negativeMessage)
{
    if (count < 0)
        throw GridError(QString::fromLatin1(negativeMessage));
    if (count == contraCount)
        return false;
    extents.resize(size_t(cellCount + count), fill);
    contraCount = count;
    return true;
}

} // namespace

CellGrid::CellGrid()
    : colWidths_(size_t(colCount_), kDefaultColWidth), tabStops_(size_t(colCount_), true),
      rowHeights_(size_t(rowCount_), defaultRowHeight_),
      options_{Option::FixedVertLine, Option::FixedHorzLine, Option::VertLine, Option::HorzLine, Option::RangeSelect}
{
}

void CellGrid::InvalidateRect(int firstCol, int lastCol, int firstRow, int lastRow)
{
    if (!window_)
        return;
    const QRect rect = RangeBounds(firstCol, lastCol, firstRow, lastRow, true);
    if (!rect.isEmpty())
        window_->Invalidate(rect);
}

void CellGrid::InvalidateRow(int row)
{
    InvalidateRect(0, colCount_ + contraColCount_ - 1, row, row);
}

void CellGrid::Resized()
{
    RefreshScrollBars();
    if (contraColCount_ > 0 || contraRowCount_ > 0)
        InvalidateGrid();
}

void CellGrid::InvalidateGrid()
{
    if (window_)
        window_->InvalidateAll();
}

void CellGrid::KeepCellsInRange()
{
    // Frozen columns are fixed in place but are data cells: they may be current.
    const int firstSelectable = fixedCols_ - qMin(frozenFixedCols_, fixedCols_);
    current_.Col = qBound(firstSelectable, current_.Col, colCount_ - 1);
    current_.Row = qBound(fixedRows_, current_.Row, rowCount_ - 1);
    anchor_.Col = qBound(firstSelectable, anchor_.Col, colCount_ - 1);
    anchor_.Row = qBound(fixedRows_, anchor_.Row, rowCount_ - 1);
    const GridLayout before = Layout();
    const CellPos from{leftCol_, topRow_};
    const CellPos maxTopLeft = MaxTopLeft();
    leftCol_ = qBound(fixedCols_, leftCol_, qMax(fixedCols_, maxTopLeft.Col));
    topRow_ = qBound(fixedRows_, topRow_, qMax(fixedRows_, maxTopLeft.Row));
    ForgetLayout();
    if (from.Col != leftCol_ || from.Row != topRow_)
        MoveTopLeft(from, before);
    RefreshScrollBars();
    InvalidateGrid();
}

void CellGrid::SetColCount(int count)
{
    count = qMax(1, count);
    if (count == colCount_)
        return;
    if (fixedCols_ >= count)
        fixedCols_ = count - 1;
    ResizeExtents(colWidths_, colCount_, count, contraColCount_, kDefaultColWidth);
    colCount_ = count;
    tabStops_.resize(size_t(colCount_), true);
    ForgetLayout();
    KeepCellsInRange();
}

void CellGrid::SetRowCount(int count)
{
    count = qMax(1, count);
    if (count == rowCount_)
        return;
    if (fixedRows_ >= count)
        fixedRows_ = count - 1;
    ResizeExtents(rowHeights_, rowCount_, count, contraRowCount_, defaultRowHeight_);
    rowCount_ = count;
    ForgetLayout();
    KeepCellsInRange();
}

void CellGrid::SetFixedCols(int count)
{
    if (count < 0)
        throw GridError(QString::fromLatin1(kIndexOutOfRange));
    if (count >= colCount_)
        throw GridError(u"Fixed column count must be less than column count"_s);
    // Columns that stop being fixed were in view: the view starts with them again.
    leftCol_ = count < fixedCols_ ? qMin(leftCol_, count) : qMax(leftCol_, count);
    fixedCols_ = count;
    ForgetLayout();
    KeepCellsInRange();
}

void CellGrid::SetFixedRows(int count)
{
    if (count < 0)
        throw GridError(QString::fromLatin1(kIndexOutOfRange));
    if (count >= rowCount_)
        throw GridError(u"Fixed row count must be less than row count"_s);
    topRow_ = count < fixedRows_ ? qMin(topRow_, count) : qMax(topRow_, count);
    fixedRows_ = count;
    ForgetLayout();
    KeepCellsInRange();
}

void CellGrid::SetFrozenFixedCols(int count)
{
    if (count < 0)
        return;
    frozenFixedCols_ = count;
    ForgetLayout();
    InvalidateGrid();
}

void CellGrid::SetContraColCount(int count)
{
    if (!StoreContraCount(colWidths_, colCount_, contraColCount_, count, kDefaultColWidth,
                         "FContraColCount can not be negative."))
        return;
    ForgetLayout();
    KeepCellsInRange();
}

void CellGrid::SetContraRowCount(int count)
{
    if (!StoreContraCount(rowHeights_, rowCount_, contraRowCount_, count, defaultRowHeight_,
                         "FContraRowCount can not be negative."))
        return;
    ForgetLayout();
    KeepCellsInRange();
}

void CellGrid::SetDefaultRowHeight(int height)
{
    defaultRowHeight_ = height;
    std::fill(rowHeights_.begin(), rowHeights_.end(), height);
    GeometryChanged();
}

void CellGrid::GeometryChanged()
{
    ForgetLayout();
    RefreshScrollBars();
    InvalidateGrid();
}

void CellGrid::SetTabStop(int col, bool on)
{
    if (col < 0 || col >= colCount_)
        throw GridError(QString::fromLatin1(kIndexOutOfRange));
    tabStops_[size_t(col)] = on;
}

void CellGrid::SetColWidth(int col, int width)
{
    if (StoreExtent(colWidths_, col, width))
        GeometryChanged();
}

void CellGrid::SetRowHeight(int row, int height)
{
    if (StoreExtent(rowHeights_, row, height))
        GeometryChanged();
}

void CellGrid::SetCellOptions(OptionSet options)
{
    if (options.Has(Option::RowSelect))
        options.Set(Option::AlwaysShowEditor, false);
    if (options == options_)
        return;
    options_ = options;
    GeometryChanged();
}

void CellGrid::SetShowsHorzBar(bool shows)
{
    if (shows == showsHorzBar_)
        return;
    showsHorzBar_ = shows;
    RefreshScrollBars();
}
