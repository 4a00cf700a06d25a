#include "GridsEh.h"

#include <algorithm>

namespace {

const char* const kIndexOutOfRange = "Grid index out of range";

int RoundedQuotient(qint64 numerator, qint64 denominator)
{
    // Both are non-negative here; the quotient rounded to the nearest integer.
    return int((numerator * 2 + denominator) / (denominator * 2));
}

} // namespace

TCustomGridEh::TCustomGridEh()
    : colWidths_(size_t(colCount_), defaultColWidth_), rowHeights_(size_t(rowCount_), defaultRowHeight_),
      options_(goFixedVertLineEh | goFixedHorzLineEh | goVertLineEh | goHorzLineEh | goRangeSelectEh)
{
}

// --- layout ------------------------------------------------------------------

GridAxisLayout TCustomGridEh::AxisLayout(TGridAxisEh axis, int clientExtent) const
{
    GridAxisLayout a;
    const bool columns = axis == gaColumns;
    const bool lines = columns ? options_.Has(goFixedVertLineEh) || options_.Has(goVertLineEh)
                               : options_.Has(goFixedHorzLineEh) || options_.Has(goHorzLineEh);
    a.LinePx = lines ? gridLineWidth_ : 0;
    a.FixedCount = columns ? fixedCols_ : fixedRows_;
    a.FrozenCount = columns ? frozenCols_ : frozenRows_;
    a.FirstScrollCell = columns ? leftCol_ : topRow_;
    a.CellCount = columns ? colCount_ : rowCount_;
    a.ContraCount = columns ? contraColCount_ : contraRowCount_;
    a.AllCellCount = a.CellCount + a.ContraCount;
    a.ClientExtent = clientExtent;
    a.PixelShift = columns ? pixelShift_ : 0;
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

    a.ShiftedFixedEnd = a.FixedEnd - a.PixelShift;
    a.CellsEnd = a.ShiftedFixedEnd;
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
    return a;
}

GridLayout TCustomGridEh::ComputeLayout(int clientWidth, int clientHeight) const
{
    return {AxisLayout(gaColumns, clientWidth), AxisLayout(gaRows, clientHeight)};
}

GridLayout TCustomGridEh::ComputeLayout() const
{
    const QSize client = window_ ? window_->ClientSize() : QSize(0, 0);
    return ComputeLayout(client.width(), client.height());
}

int TCustomGridEh::ShownCellStart(const GridAxisLayout& a, int cell) const
{
    int start = 0;
    int from = 0;
    if (cell < a.FixedCount) {
        start = 0;
        from = 0;
    } else if (cell < a.CellCount) {
        if (cell < a.FirstScrollCell)
            return -1;
        start = a.ShiftedFixedEnd;
        from = a.FirstScrollCell;
    } else {
        start = a.ContraStart + a.LinePx;
        from = a.CellCount;
    }
    for (int i = from; i < cell; ++i) {
        start += a.ExtentOf(i) + a.LinePx;
        if (start > a.ClientExtent)
            return -1;
    }
    return start;
}

int TCustomGridEh::CellStart(TGridAxisEh axis, int cell) const
{
    const GridLayout layout = ComputeLayout();
    return qMax(0, ShownCellStart(layout.Axis(axis), cell));
}

bool TCustomGridEh::AxisRange(const GridAxisLayout& a, int first, int last, bool includeLines, int& near,
                              int& far) const
{
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
                if (ShownCellStart(a, last) < 0)
                    --last;
            }
        } else {
            last = qMin(last, a.AllCellCount - 1);
        }
    }
    if (first > last || first >= a.AllCellCount)
        return false;
    const int firstStart = ShownCellStart(a, first);
    if (firstStart < 0)
        return false;
    near = firstStart;
    const int lastStart = ShownCellStart(a, last);
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

QRect TCustomGridEh::RangeBounds(int firstCol, int lastCol, int firstRow, int lastRow, bool includeLines) const
{
    const GridLayout layout = ComputeLayout();
    int left = 0, right = 0, top = 0, bottom = 0;
    if (!AxisRange(layout.Columns, firstCol, lastCol, includeLines, left, right)
        || !AxisRange(layout.Rows, firstRow, lastRow, includeLines, top, bottom))
        return QRect();
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QRect TCustomGridEh::CellBounds(int col, int row) const
{
    return RangeBounds(col, col, row, row, false);
}

int TCustomGridEh::AxisCellAt(const GridAxisLayout& a, int coord) const
{
    int start = 0;
    int from = 0;
    int to = 0;
    if (coord < a.FixedEnd) {
        start = 0;
        from = 0;
        to = a.FixedCount;
    } else if (a.ContraCount > 0 && coord > a.ContraStart) {
        start = a.ContraStart + a.LinePx;
        from = a.CellCount;
        to = a.AllCellCount;
    } else {
        start = a.ShiftedFixedEnd;
        from = a.FirstScrollCell;
        to = a.CellCount;
    }
    if (coord < start)
        return -1;
    for (int i = from; i < to; ++i) {
        start += a.ExtentOf(i) + a.LinePx;
        if (start > coord)
            return i;
    }
    return -1;
}

TGridCoordEh TCustomGridEh::CellAtPoint(int x, int y) const
{
    const GridLayout layout = ComputeLayout();
    const int col = AxisCellAt(layout.Columns, x);
    const int row = AxisCellAt(layout.Rows, y);
    if (col < 0 || row < 0)
        return {-1, -1};
    return {col, row};
}

int TCustomGridEh::FirstCellToFit(const GridAxisLayout& a, int last) const
{
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

int TCustomGridEh::FirstCellToFit(TGridAxisEh axis, int last) const
{
    return FirstCellToFit(ComputeLayout().Axis(axis), last);
}

TGridCoordEh TCustomGridEh::MaxTopLeft() const
{
    const GridLayout layout = ComputeLayout();
    return {FirstCellToFit(layout.Columns, colCount_ - 1), FirstCellToFit(layout.Rows, rowCount_ - 1)};
}

int TCustomGridEh::WholeColsInView() const
{
    return ComputeLayout().Columns.LastWholeCell - leftCol_ + 1;
}

int TCustomGridEh::WholeRowsInView() const
{
    return ComputeLayout().Rows.LastWholeCell - topRow_ + 1;
}

// --- scrolling ---------------------------------------------------------------

void TCustomGridEh::SetTopLeft(int leftCol, int topRow)
{
    if (leftCol == leftCol_ && topRow == topRow_)
        return;
    if (window_)
        window_->FlushPaint();
    const GridLayout before = ComputeLayout();
    const TGridCoordEh from{leftCol_, topRow_};
    leftCol_ = leftCol;
    topRow_ = topRow;
    UpdateHorzScrollPosition();
    MoveTopLeft(from, before);
}

void TCustomGridEh::MoveTopLeft(TGridCoordEh from, const GridLayout& before)
{
    if (window_) {
        ShiftPixels(gaColumns, from.Col, leftCol_, before);
        ShiftPixels(gaRows, from.Row, topRow_, before);
    }
    TopLeftChanged();
}

void TCustomGridEh::ShiftPixels(TGridAxisEh axis, int from, int to, const GridLayout& before)
{
    const GridAxisLayout& a = before.Axis(axis);
    int distance = 0;
    for (int i = qMin(from, to); i < qMax(from, to); ++i)
        distance += a.ExtentOf(i) + a.LinePx;
    if (to > from)
        distance = -distance;
    if (axis == gaColumns && from != to) {
        distance += pixelShift_;
        pixelShift_ = 0;
    }
    if (distance == 0)
        return;
    if (qAbs(distance) > a.CellsEnd - a.FixedEnd) {
        window_->InvalidateAll();
        return;
    }
    const QSize client = window_->ClientSize();
    if (axis == gaColumns)
        window_->ScrollRect(QRect(QPoint(a.FixedEnd, 0), QPoint(a.ScrollLimit - 1, client.height() - 1)), distance, 0);
    else
        window_->ScrollRect(QRect(QPoint(0, a.FixedEnd), QPoint(client.width() - 1, a.ScrollLimit - 1)), 0, distance);
}

void TCustomGridEh::BringCellIntoView(int col, int row)
{
    const GridLayout layout = ComputeLayout();
    const bool colInView = col >= leftCol_ && col <= layout.Columns.LastWholeCell;
    const bool rowInView = row >= topRow_ && row <= layout.Rows.LastWholeCell;
    if (colInView && rowInView)
        return;
    int left = leftCol_;
    int top = topRow_;
    if (col < leftCol_ && col >= fixedCols_)
        left = col;
    else if (col > layout.Columns.LastWholeCell)
        left = FirstCellToFit(layout.Columns, col);
    if (row < topRow_ && row >= fixedRows_)
        top = row;
    else if (row > layout.Rows.LastWholeCell)
        top = FirstCellToFit(layout.Rows, row);
    SetTopLeft(left, top);
}

void TCustomGridEh::HandleScrollMessage(TGridAxisEh axis, TScrollCodeEh code, int thumbPosition)
{
    if (window_ && window_->Showing() && window_->CanFocus())
        window_->SetFocus();
    if (axis != gaColumns || options_.Has(goRowSelectEh))
        return;  // pixel-wise scrolling of whole-row select is not used by this program

    const GridLayout layout = ComputeLayout();
    const int maxLeft = MaxTopLeft().Col;
    int left = leftCol_;
    const auto step = [&](int delta) {
        // Steps that land on a hidden column go on past it.
        int next = left;
        for (;;) {
            const int moved = next + delta;
            if (moved == next)
                break;
            next = moved;
            if (!(next > fixedCols_ && next < maxLeft && colWidths_[size_t(next)] <= 0))
                break;
        }
        left = next;
    };
    switch (code) {
    case scLineUp: step(-1); break;
    case scLineDown: step(1); break;
    case scPageUp: step(-qMax(1, leftCol_ - FirstCellToFit(layout.Columns, leftCol_))); break;
    case scPageDown: step(qMax(1, layout.Columns.LastWholeCell - leftCol_)); break;
    case scTrack:
        if (!options_.Has(goThumbTrackingEh))
            return;
        [[fallthrough]];
    case scPosition:
        left = fixedCols_ + (maxLeft > fixedCols_ ? RoundedQuotient(qint64(thumbPosition) * (maxLeft - fixedCols_), 127) : 0);
        break;
    case scTop: left = fixedCols_; break;
    case scBottom: left = maxLeft; break;
    case scEndScroll: return;
    }
    SetTopLeft(qBound(fixedCols_, left, qMax(fixedCols_, maxLeft)), topRow_);
}

int TCustomGridEh::HorzScrollPosition(int maxLeft) const
{
    if (maxLeft <= fixedCols_)
        return 0;
    return RoundedQuotient(qint64(leftCol_ - fixedCols_) * 127, maxLeft - fixedCols_);
}

void TCustomGridEh::UpdateHorzScrollPosition()
{
    if (!window_ || !window_->Showing() || scrollBars_ == ssNoneEh || scrollBars_ == ssVerticalEh)
        return;
    TScrollInfo info = window_->ScrollInfo(TScrollBarKind::Horizontal);
    const int position = HorzScrollPosition(MaxTopLeft().Col);
    if (info.Pos != position) {
        info.Pos = position;
        window_->SetScrollInfo(TScrollBarKind::Horizontal, info);
    }
}

void TCustomGridEh::RefreshScrollBars()
{
    if (!window_ || !window_->Showing() || scrollBars_ == ssNoneEh)
        return;
    const GridLayout before = ComputeLayout();
    const TGridCoordEh from{leftCol_, topRow_};
    const bool horizontal = scrollBars_ == ssHorizontalEh || scrollBars_ == ssBothEh;
    const bool vertical = (scrollBars_ == ssVerticalEh || scrollBars_ == ssBothEh) && ShowsBaseVertScrollBar();

    const auto setRanges = [&] {
        const TGridCoordEh maxTopLeft = MaxTopLeft();
        if (horizontal) {
            const TScrollInfo wanted{0, maxTopLeft.Col > fixedCols_ ? 127 : 0, 0, 0};
            const TScrollInfo now = window_->ScrollInfo(TScrollBarKind::Horizontal);
            if (now.Min != wanted.Min || now.Max != wanted.Max)
                window_->SetScrollInfo(TScrollBarKind::Horizontal, {wanted.Min, wanted.Max, 0, now.Pos});
            if (leftCol_ > maxTopLeft.Col) {
                window_->FlushPaint();
                leftCol_ = qMax(fixedCols_, maxTopLeft.Col);
            }
        }
        if (vertical) {
            const TScrollInfo wanted{0, maxTopLeft.Row > fixedRows_ ? 127 : 0, 0, 0};
            const TScrollInfo now = window_->ScrollInfo(TScrollBarKind::Vertical);
            if (now.Min != wanted.Min || now.Max != wanted.Max)
                window_->SetScrollInfo(TScrollBarKind::Vertical, {wanted.Min, wanted.Max, 0, now.Pos});
            if (topRow_ > maxTopLeft.Row) {
                window_->FlushPaint();
                topRow_ = qMax(fixedRows_, maxTopLeft.Row);
            }
        }
    };
    const int widthBefore = window_->ClientSize().width();
    setRanges();
    if (window_->ClientSize().width() != widthBefore)
        setRanges();

    if (horizontal)
        UpdateHorzScrollPosition();
    if (vertical) {
        const int maxTop = MaxTopLeft().Row;
        TScrollInfo info = window_->ScrollInfo(TScrollBarKind::Vertical);
        const int position = maxTop > fixedRows_ ? RoundedQuotient(qint64(topRow_ - fixedRows_) * 127, maxTop - fixedRows_) : 0;
        if (info.Pos != position) {
            info.Pos = position;
            window_->SetScrollInfo(TScrollBarKind::Vertical, info);
        }
    }
    if (from.Col != leftCol_ || from.Row != topRow_)
        MoveTopLeft(from, before);
}

// --- invalidation --------------------------------------------------------------

void TCustomGridEh::InvalidateRect(int firstCol, int lastCol, int firstRow, int lastRow)
{
    if (!window_)
        return;
    const QRect rect = RangeBounds(firstCol, lastCol, firstRow, lastRow, true);
    if (!rect.isEmpty())
        window_->Invalidate(rect);
}

void TCustomGridEh::InvalidateCell(int col, int row)
{
    InvalidateRect(col, col, row, row);
}

void TCustomGridEh::InvalidateGrid()
{
    if (window_)
        window_->InvalidateAll();
}

// --- counts and extents ------------------------------------------------------

void TCustomGridEh::ResizeExtents(std::vector<int>& extents, int oldCount, int newCount, int contraCount, int fill)
{
    // The contra cells keep their extents after the normal ones.
    std::vector<int> contra(extents.begin() + oldCount, extents.begin() + oldCount + contraCount);
    extents.resize(size_t(oldCount));
    extents.resize(size_t(newCount), fill);
    extents.insert(extents.end(), contra.begin(), contra.end());
}

void TCustomGridEh::KeepCellsInRange()
{
    current_.Col = qBound(fixedCols_, current_.Col, colCount_ - 1);
    current_.Row = qBound(fixedRows_, current_.Row, rowCount_ - 1);
    anchor_.Col = qBound(fixedCols_, anchor_.Col, colCount_ - 1);
    anchor_.Row = qBound(fixedRows_, anchor_.Row, rowCount_ - 1);
    const GridLayout before = ComputeLayout();
    const TGridCoordEh from{leftCol_, topRow_};
    const TGridCoordEh maxTopLeft = MaxTopLeft();
    leftCol_ = qBound(fixedCols_, leftCol_, qMax(fixedCols_, maxTopLeft.Col));
    topRow_ = qBound(fixedRows_, topRow_, qMax(fixedRows_, maxTopLeft.Row));
    if (from.Col != leftCol_ || from.Row != topRow_)
        MoveTopLeft(from, before);
    RefreshScrollBars();
    InvalidateGrid();
}

void TCustomGridEh::SetColCount(int count)
{
    count = qMax(1, count);
    if (count == colCount_)
        return;
    if (fixedCols_ >= count)
        fixedCols_ = count - 1;
    frozenCols_ = qMin(frozenCols_, fixedCols_);
    ResizeExtents(colWidths_, colCount_, count, contraColCount_, defaultColWidth_);
    colCount_ = count;
    KeepCellsInRange();
}

void TCustomGridEh::SetRowCount(int count)
{
    count = qMax(1, count);
    if (count == rowCount_)
        return;
    if (fixedRows_ >= count)
        fixedRows_ = count - 1;
    ResizeExtents(rowHeights_, rowCount_, count, contraRowCount_, defaultRowHeight_);
    rowCount_ = count;
    KeepCellsInRange();
}

void TCustomGridEh::SetFixedCols(int count)
{
    if (count < 0)
        throw EInvalidGridOperationEh(QString::fromLatin1(kIndexOutOfRange));
    if (count >= colCount_)
        throw EInvalidGridOperationEh(u"Fixed column count must be less than column count"_qs);
    fixedCols_ = count;
    frozenCols_ = qMin(frozenCols_, fixedCols_);
    leftCol_ = qMax(leftCol_, fixedCols_);
    KeepCellsInRange();
}

void TCustomGridEh::SetFixedRows(int count)
{
    if (count < 0)
        throw EInvalidGridOperationEh(QString::fromLatin1(kIndexOutOfRange));
    if (count >= rowCount_)
        throw EInvalidGridOperationEh(u"Fixed row count must be less than row count"_qs);
    fixedRows_ = count;
    topRow_ = qMax(topRow_, fixedRows_);
    KeepCellsInRange();
}

void TCustomGridEh::SetFrozenCols(int count)
{
    if (count < 0)
        return;
    frozenCols_ = qMin(count, fixedCols_);
    InvalidateGrid();
}

void TCustomGridEh::SetContraColCount(int count)
{
    if (count < 0)
        throw EInvalidGridOperationEh(u"FContraColCount can not be negative."_qs);
    if (count == contraColCount_)
        return;
    colWidths_.resize(size_t(colCount_ + count), defaultColWidth_);
    contraColCount_ = count;
    KeepCellsInRange();
}

void TCustomGridEh::SetContraRowCount(int count)
{
    if (count < 0)
        throw EInvalidGridOperationEh(u"FContraRowCount can not be negative."_qs);
    if (count == contraRowCount_)
        return;
    rowHeights_.resize(size_t(rowCount_ + count), defaultRowHeight_);
    contraRowCount_ = count;
    KeepCellsInRange();
}

void TCustomGridEh::SetDefaultColWidth(int width)
{
    defaultColWidth_ = width;
    std::fill(colWidths_.begin(), colWidths_.end(), width);
    RefreshScrollBars();
    InvalidateGrid();
}

void TCustomGridEh::SetDefaultRowHeight(int height)
{
    defaultRowHeight_ = height;
    std::fill(rowHeights_.begin(), rowHeights_.end(), height);
    RefreshScrollBars();
    InvalidateGrid();
}

void TCustomGridEh::SetColWidth(int col, int width)
{
    if (col < 0 || col >= colCount_ + contraColCount_)
        throw EInvalidGridOperationEh(QString::fromLatin1(kIndexOutOfRange));
    if (colWidths_[size_t(col)] == width)
        return;
    colWidths_[size_t(col)] = width;
    RefreshScrollBars();
    InvalidateGrid();
}

void TCustomGridEh::SetRowHeight(int row, int height)
{
    if (row < 0 || row >= rowCount_ + contraRowCount_)
        throw EInvalidGridOperationEh(QString::fromLatin1(kIndexOutOfRange));
    if (rowHeights_[size_t(row)] == height)
        return;
    rowHeights_[size_t(row)] = height;
    RefreshScrollBars();
    InvalidateGrid();
}

void TCustomGridEh::SetOptions(TGridOptionsEh options)
{
    if (options.Has(goRowSelectEh))
        options.Set(goAlwaysShowEditorEh, false);
    if (options == options_)
        return;
    options_ = options;
    RefreshScrollBars();
    InvalidateGrid();
}

void TCustomGridEh::SetScrollBars(TScrollStyleEh style)
{
    if (style == scrollBars_)
        return;
    scrollBars_ = style;
    RefreshScrollBars();
}
