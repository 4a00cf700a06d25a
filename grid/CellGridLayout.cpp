// The cell grid's geometry: axis layouts, cell bounds, hit testing, fitting.
#include "CellGrid.h"

namespace {

// Lays out the cells from..to-1 of one part from a first start; returns the
// first cell whose start lies beyond the client extent (to when none does).
int layOutPart(AxisLayout& a, int from, int to, int start)
{
    int beyond = to;
    for (int i = from; i < to; ++i) {
        if (i > from)
            start += a.extentOf(i - 1) + a.linePx;
        a.starts[size_t(i)] = start;
        if (i > from && start > a.clientExtent && beyond == to)
            beyond = i;
    }
    return beyond;
}

} // namespace

AxisLayout CellGrid::layOutAxis(Axis axis, int clientExtent) const
{
    AxisLayout a;
    const bool columns = axis == Axis::Columns;
    a.linePx = gridLineWidth_;
    a.fixedCount = columns ? fixedCols_ : fixedRows_;
    a.frozenCount = columns ? qMin(frozenFixedCols_, a.fixedCount) : 0;
    a.firstScrollCell = columns ? leftCol_ : topRow_;
    a.cellCount = columns ? colCount_ : rowCount_;
    a.contraCount = columns ? 0 : contraRowCount_;
    a.allCellCount = a.cellCount + a.contraCount;
    a.clientExtent = clientExtent;
    a.extents = columns ? &colWidths_ : &rowHeights_;

    for (int i = 0; i < a.fixedCount; ++i)
        a.fixedEnd += a.extentOf(i) + a.linePx;
    a.frozenStart = a.fixedEnd;
    for (int i = a.fixedCount - a.frozenCount; i < a.fixedCount; ++i)
        if (i >= 0)
            a.frozenStart -= a.extentOf(i) + a.linePx;

    a.contraStart = clientExtent;
    for (int i = a.cellCount; i < a.allCellCount; ++i)
        a.contraStart -= a.extentOf(i) + a.linePx;
    if (a.contraCount > 0)
        a.contraStart -= a.linePx;
    a.scrollLimit = a.contraStart;

    a.cellsEnd = a.fixedEnd;
    a.lastWholeEnd = a.fixedEnd;
    a.lastWholeCell = a.firstScrollCell;
    for (int i = a.firstScrollCell; i < a.cellCount; ++i) {
        a.cellsEnd += a.extentOf(i) + a.linePx;
        if (a.cellsEnd > a.scrollLimit + a.linePx) {
            a.cellsEnd = a.scrollLimit;
            break;
        }
        a.lastWholeCell = i;
        a.lastWholeEnd = a.cellsEnd;
    }
    a.paintEnd = a.contraCount > 0 ? clientExtent : a.cellsEnd;

    a.starts.assign(size_t(a.allCellCount), 0);
    a.fixedBeyond = layOutPart(a, 0, a.fixedCount, 0);
    a.scrollBeyond = layOutPart(a, a.firstScrollCell, a.cellCount, a.fixedEnd);
    a.contraBeyond = layOutPart(a, a.cellCount, a.allCellCount, a.contraStart + a.linePx);
    for (int i = 0; i < a.allCellCount && a.endsGrow; ++i)
        a.endsGrow = a.extentOf(i) + a.linePx >= 0;
    return a;
}

const GridLayout& CellGrid::layout() const
{
    const QSize client = window_ ? window_->clientSize() : QSize(0, 0);
    if (!layout_ || layoutClient_ != client) {
        layout_ = GridLayout{layOutAxis(Axis::Columns, client.width()), layOutAxis(Axis::Rows, client.height())};
        layoutClient_ = client;
    }
    return *layout_;
}

bool AxisLayout::range(int first, int last, bool includeLines, int& near, int& far) const
{
    const AxisLayout& a = *this;
    first = qMin(first, a.allCellCount);
    last = qMin(last, a.allCellCount - 1);
    const auto scrolledOut = [&a](int cell) { return cell >= a.fixedCount && cell < a.cellCount && cell < a.firstScrollCell; };
    if (scrolledOut(first)) {
        if (scrolledOut(last))
            return false;
        first = a.firstScrollCell;
    }
    if (last > a.lastWholeCell) {
        if (last < a.cellCount) {
            if (a.lastWholeCell + 1 < a.cellCount) {
                last = a.lastWholeCell + 1;
                if (a.shownStart(last) < 0)
                    --last;
            }
        } else {
            last = qMin(last, a.allCellCount - 1);
        }
    }
    if (first > last || first >= a.allCellCount)
        return false;
    const int firstStart = a.shownStart(first);
    if (firstStart < 0)
        return false;
    near = firstStart;
    const int lastStart = a.shownStart(last);
    far = lastStart >= 0 ? lastStart + a.extentOf(last) : firstStart + a.extentOf(first);
    if (last < a.cellCount && far > a.scrollLimit)
        far = a.scrollLimit;
    if (last >= a.cellCount && far > a.clientExtent)
        far = a.clientExtent;
    if (first >= a.fixedCount && near < a.fixedEnd)
        near = a.fixedEnd;
    if (includeLines)
        far += a.linePx;
    return far > near;
}

QRect CellGrid::rangeBounds(int firstCol, int lastCol, int firstRow, int lastRow, bool includeLines) const
{
    const GridLayout& geometry = layout();
    int left = 0, right = 0, top = 0, bottom = 0;
    if (!geometry.columns.range(firstCol, lastCol, includeLines, left, right)
        || !geometry.rows.range(firstRow, lastRow, includeLines, top, bottom))
        return QRect();
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QRect CellGrid::cellBounds(int col, int row) const
{
    return rangeBounds(col, col, row, row, false);
}

int AxisLayout::cellAt(int coord) const
{
    const AxisLayout& a = *this;
    int start = 0;
    int from = 0;
    int to = 0;
    if (coord < a.fixedEnd) {
        to = a.fixedCount;
    } else if (a.contraCount > 0 && coord > a.contraStart) {
        start = a.contraStart + a.linePx;
        from = a.cellCount;
        to = a.allCellCount;
    } else {
        start = a.fixedEnd;
        from = a.firstScrollCell;
        to = a.cellCount;
    }
    if (coord < start)
        return -1;
    // A cell owns its extent and its trailing line: the first one that ends beyond the point.
    const auto endsBeyond = [&a, coord](int i) { return a.startOf(i) + a.extentOf(i) + a.linePx > coord; };
    if (a.endsGrow) {
        int low = from;
        int high = to;
        while (low < high) {
            const int middle = low + (high - low) / 2;
            endsBeyond(middle) ? high = middle : low = middle + 1;
        }
        return low < to ? low : -1;
    }
    for (int i = from; i < to; ++i)
        if (endsBeyond(i))
            return i;
    return -1;
}

CellPos CellGrid::cellAtPoint(int x, int y) const
{
    const GridLayout& geometry = layout();
    const int col = geometry.columns.cellAt(x);
    const int row = geometry.rows.cellAt(y);
    if (col < 0 || row < 0)
        return {-1, -1};
    return {col, row};
}

int AxisLayout::firstCellToFit(int last) const
{
    const AxisLayout& a = *this;
    int room = a.scrollLimit + a.linePx;
    int result = qMax(last, a.fixedCount);
    bool fitted = false;
    int firstShown = -1;
    for (int i = qMax(last, a.fixedCount); i >= a.fixedCount; --i) {
        const int extent = a.extentOf(i);
        if (extent <= 0)
            continue;
        if (firstShown < 0)
            firstShown = i;
        room -= extent + a.linePx;
        if (room < a.fixedEnd)
            break;
        result = i;
        fitted = true;
    }
    if (!fitted && last < a.allCellCount && a.extentOf(qMax(last, a.fixedCount)) <= 0 && firstShown >= 0)
        return firstShown;
    return result;
}

CellPos CellGrid::maxTopLeft() const
{
    const GridLayout& geometry = layout();
    return {geometry.columns.firstCellToFit(colCount_ - 1), geometry.rows.firstCellToFit(rowCount_ - 1)};
}
