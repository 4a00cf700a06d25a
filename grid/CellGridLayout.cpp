// The cell grid's geometry: axis layouts, cell bounds, hit testing, fitting.
#include "CellGrid.h"

namespace {

// Lays out the cells from..to-1 of one part from a first start; returns the
// first cell whose start lies beyond the client extent (to when none does).
int LayOutPart(AxisLayout& a, int from, int to, int start)
{
    int beyond = to;
    for (int i = from; i < to; ++i) {
        if (i > from)
            start += a.ExtentOf(i - 1) + a.LinePx;
        a.Starts[size_t(i)] = start;
        if (i > from && start > a.ClientExtent && beyond == to)
            beyond = i;
    }
    return beyond;
}

} // namespace

AxisLayout CellGrid::LayOutAxis(Axis axis, int clientExtent) const
{
    AxisLayout a;
    const bool columns = axis == Axis::Columns;
    const bool lines = columns ? options_.Has(Option::FixedVertLine) || options_.Has(Option::VertLine)
                               : options_.Has(Option::FixedHorzLine) || options_.Has(Option::HorzLine);
    a.LinePx = lines ? gridLineWidth_ : 0;
    a.FixedCount = columns ? fixedCols_ : fixedRows_;
    a.FrozenCount = columns ? qMin(frozenFixedCols_, a.FixedCount) : 0;
    a.FirstScrollCell = columns ? leftCol_ : topRow_;
    a.CellCount = columns ? colCount_ : rowCount_;
    a.ContraCount = columns ? contraColCount_ : contraRowCount_;
    a.AllCellCount = a.CellCount + a.ContraCount;
    a.ClientExtent = clientExtent;
    a.Extents = columns ? &colWidths_ : &rowHeights_;

    for (int i = 0; i < a.FixedCount; ++i)
        a.FixedEnd += a.ExtentOf(i) + a.LinePx;
    a.FrozenStart = a.FixedEnd;
    for (int i = a.FixedCount - a.FrozenCount; i < a.FixedCount; ++i)
        if (i >= 0)
            a.FrozenStart -= a.ExtentOf(i) + a.LinePx;

    a.ContraStart = clientExtent;
    for (int i = a.CellCount; i < a.AllCellCount; ++i)
        a.ContraStart -= a.ExtentOf(i) + a.LinePx;
    if (a.ContraCount > 0)
        a.ContraStart -= a.LinePx;
    a.ScrollLimit = a.ContraStart;

    a.CellsEnd = a.FixedEnd;
    a.LastWholeEnd = a.FixedEnd;
    a.LastWholeCell = a.FirstScrollCell;
    for (int i = a.FirstScrollCell; i < a.CellCount; ++i) {
        a.CellsEnd += a.ExtentOf(i) + a.LinePx;
        if (a.CellsEnd > a.ScrollLimit + a.LinePx) {
            a.CellsEnd = a.ScrollLimit;
            break;
        }
        a.LastWholeCell = i;
        a.LastWholeEnd = a.CellsEnd;
    }
    a.PaintEnd = a.ContraCount > 0 ? clientExtent : a.CellsEnd;

    a.Starts.assign(size_t(a.AllCellCount), 0);
    a.FixedBeyond = LayOutPart(a, 0, a.FixedCount, 0);
    a.ScrollBeyond = LayOutPart(a, a.FirstScrollCell, a.CellCount, a.FixedEnd);
    a.ContraBeyond = LayOutPart(a, a.CellCount, a.AllCellCount, a.ContraStart + a.LinePx);
    for (int i = 0; i < a.AllCellCount && a.EndsGrow; ++i)
        a.EndsGrow = a.ExtentOf(i) + a.LinePx >= 0;
    return a;
}

const GridLayout& CellGrid::Layout() const
{
    const QSize client = window_ ? window_->ClientSize() : QSize(0, 0);
    if (!layout_ || layoutClient_ != client) {
        layout_ = GridLayout{LayOutAxis(Axis::Columns, client.width()), LayOutAxis(Axis::Rows, client.height())};
        layoutClient_ = client;
    }
    return *layout_;
}

bool AxisLayout::Range(int first, int last, bool includeLines, int& near, int& far) const
{
    const AxisLayout& a = *this;
    first = qMin(first, a.AllCellCount);
    last = qMin(last, a.AllCellCount - 1);
    const auto scrolledOut = [&a](int cell) { return cell >= a.FixedCount && cell < a.CellCount && cell < a.FirstScrollCell; };
    if (scrolledOut(first)) {
        if (scrolledOut(last))
            return false;
        first = a.FirstScrollCell;
    }
    if (last > a.LastWholeCell) {
        if (last < a.CellCount) {
            if (a.LastWholeCell + 1 < a.CellCount) {
                last = a.LastWholeCell + 1;
                if (a.ShownStart(last) < 0)
                    --last;
            }
        } else {
            last = qMin(last, a.AllCellCount - 1);
        }
    }
    if (first > last || first >= a.AllCellCount)
        return false;
    const int firstStart = a.ShownStart(first);
    if (firstStart < 0)
        return false;
    near = firstStart;
    const int lastStart = a.ShownStart(last);
    far = lastStart >= 0 ? lastStart + a.ExtentOf(last) : firstStart + a.ExtentOf(first);
    if (last < a.CellCount && far > a.ScrollLimit)
        far = a.ScrollLimit;
    if (last >= a.CellCount && far > a.ClientExtent)
        far = a.ClientExtent;
    if (first >= a.FixedCount && near < a.FixedEnd)
        near = a.FixedEnd;
    if (includeLines)
        far += a.LinePx;
    return far > near;
}

QRect CellGrid::RangeBounds(int firstCol, int lastCol, int firstRow, int lastRow, bool includeLines) const
{
    const GridLayout& layout = Layout();
    int left = 0, right = 0, top = 0, bottom = 0;
    if (!layout.Columns.Range(firstCol, lastCol, includeLines, left, right)
        || !layout.Rows.Range(firstRow, lastRow, includeLines, top, bottom))
        return QRect();
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QRect CellGrid::CellBounds(int col, int row) const
{
    return RangeBounds(col, col, row, row, false);
}

int AxisLayout::CellAt(int coord) const
{
    const AxisLayout& a = *this;
    int start = 0;
    int from = 0;
    int to = 0;
    if (coord < a.FixedEnd) {
        to = a.FixedCount;
    } else if (a.ContraCount > 0 && coord > a.ContraStart) {
        start = a.ContraStart + a.LinePx;
        from = a.CellCount;
        to = a.AllCellCount;
    } else {
        start = a.FixedEnd;
        from = a.FirstScrollCell;
        to = a.CellCount;
    }
    if (coord < start)
        return -1;
    // A cell owns its extent and its trailing line: the first one that ends beyond the point.
    const auto endsBeyond = [&a, coord](int i) { return a.StartOf(i) + a.ExtentOf(i) + a.LinePx > coord; };
    if (a.EndsGrow) {
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

CellPos CellGrid::CellAtPoint(int x, int y) const
{
    const GridLayout& layout = Layout();
    const int col = layout.Columns.CellAt(x);
    const int row = layout.Rows.CellAt(y);
    if (col < 0 || row < 0)
        return {-1, -1};
    return {col, row};
}

int AxisLayout::FirstCellToFit(int last) const
{
    const AxisLayout& a = *this;
    int room = a.ScrollLimit + a.LinePx;
    int result = qMax(last, a.FixedCount);
    bool fitted = false;
    int firstShown = -1;
    for (int i = qMax(last, a.FixedCount); i >= a.FixedCount; --i) {
        const int extent = a.ExtentOf(i);
        if (extent <= 0)
            continue;
        if (firstShown < 0)
            firstShown = i;
        room -= extent + a.LinePx;
        if (room < a.FixedEnd)
            break;
        result = i;
        fitted = true;
    }
    if (!fitted && last < a.AllCellCount && a.ExtentOf(qMax(last, a.FixedCount)) <= 0 && firstShown >= 0)
        return firstShown;
    return result;
}

CellPos CellGrid::MaxTopLeft() const
{
    const GridLayout& layout = Layout();
    return {layout.Columns.FirstCellToFit(colCount_ - 1), layout.Rows.FirstCellToFit(rowCount_ - 1)};
}
