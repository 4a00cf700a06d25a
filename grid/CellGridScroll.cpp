// The cell grid's scrolling: top-left moves, the scroll requests and bars.
#include "CellGrid.h"

void CellGrid::SetTopLeft(int leftCol, int topRow)
{
    if (leftCol == leftCol_ && topRow == topRow_)
        return;
    if (window_)
        window_->FlushPaint();
    const GridLayout before = Layout();
    const CellPos from{leftCol_, topRow_};
    leftCol_ = leftCol;
    topRow_ = topRow;
    ForgetLayout();
    UpdateHorzScrollPosition();
    MoveTopLeft(from, before);
}

void CellGrid::MoveTopLeft(CellPos from, const GridLayout& before)
{
    if (window_) {
        ShiftPixels(Axis::Columns, from.Col, leftCol_, before);
        ShiftPixels(Axis::Rows, from.Row, topRow_, before);
    }
    TopLeftChanged();
}

void CellGrid::ShiftPixels(Axis axis, int from, int to, const GridLayout& before)
{
    const AxisLayout& a = before.Axis(axis);
    // A count that shrank can leave the old top-left past the cells: nothing
    // of the old picture stays then.
    const bool pastTheCells = qMax(from, to) > a.CellCount;
    int distance = 0;
    for (int i = qMin(from, to); i < qMax(from, to) && !pastTheCells; ++i)
        distance += a.ExtentOf(i) + a.LinePx;
    if (to > from)
        distance = -distance;
    if (axis == Axis::Columns && from != to)
        ForgetLayout();
    if (distance == 0 && !pastTheCells)
        return;
    if (pastTheCells || qAbs(distance) > a.CellsEnd - a.FixedEnd) {
        window_->InvalidateAll();
        return;
    }
    const QSize client = window_->ClientSize();
    if (axis == Axis::Columns) {
        window_->ScrollRect(QRect(QPoint(a.FixedEnd, 0), QPoint(a.ScrollLimit - 1, client.height() - 1)), distance, 0);
        // A column cut off at the right edge is drawn for the part shown: the
        // one cut before and the one cut now are drawn anew, not shifted.
        const int cutBefore = a.LastWholeEnd + distance;
        const int cutNow = Layout().Columns.LastWholeEnd;
        const int from = qMax(a.FixedEnd, qMin(cutBefore, cutNow));
        if (from < a.ScrollLimit)
            window_->Invalidate(QRect(QPoint(from, 0), QPoint(a.ScrollLimit - 1, client.height() - 1)));
    } else
        window_->ScrollRect(QRect(QPoint(0, a.FixedEnd), QPoint(client.width() - 1, a.ScrollLimit - 1)), 0, distance);
}

void CellGrid::BringCellIntoView(int col, int row)
{
    const GridLayout layout = Layout();
    const bool colInView = col >= leftCol_ && col <= layout.Columns.LastWholeCell;
    const bool rowInView = row >= topRow_ && row <= layout.Rows.LastWholeCell;
    if (colInView && rowInView)
        return;
    int left = leftCol_;
    int top = topRow_;
    if (col < leftCol_ && col >= fixedCols_)
        left = col;
    else if (col > layout.Columns.LastWholeCell)
        left = layout.Columns.FirstCellToFit(col);
    if (row < topRow_ && row >= fixedRows_)
        top = row;
    else if (row > layout.Rows.LastWholeCell)
        top = layout.Rows.FirstCellToFit(row);
    SetTopLeft(left, top);
}

void CellGrid::HandleScrollMessage(Axis axis, ScrollCode code, int thumbPosition)
{
    if (window_ && window_->Showing() && window_->CanFocus())
        window_->SetFocus();
    if (axis != Axis::Columns || options_.Has(Option::RowSelect))
        return;  // pixel-wise scrolling of whole-row select is not used by this program

    const GridLayout layout = Layout();
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
    case ScrollCode::LineUp: step(-1); break;
    case ScrollCode::LineDown: step(1); break;
    case ScrollCode::PageUp: step(-qMax(1, leftCol_ - layout.Columns.FirstCellToFit(leftCol_))); break;
    case ScrollCode::PageDown: step(qMax(1, layout.Columns.LastWholeCell - leftCol_)); break;
    case ScrollCode::Track:
        if (!options_.Has(Option::ThumbTracking))
            return;
        [[fallthrough]];
    case ScrollCode::Position:
        left = fixedCols_ + (maxLeft > fixedCols_ ? RoundedQuotient(qint64(thumbPosition) * (maxLeft - fixedCols_), kScrollRange) : 0);
        break;
    case ScrollCode::Top: left = fixedCols_; break;
    case ScrollCode::Bottom: left = maxLeft; break;
    case ScrollCode::EndScroll: return;
    }
    SetTopLeft(qBound(fixedCols_, left, qMax(fixedCols_, maxLeft)), topRow_);
    // The bar may have moved its thumb by itself: it shows the grid's position.
    UpdateHorzScrollPosition();
}

int CellGrid::HorzScrollPosition(int maxLeft) const
{
    if (maxLeft <= fixedCols_)
        return 0;
    return RoundedQuotient(qint64(leftCol_ - fixedCols_) * kScrollRange, maxLeft - fixedCols_);
}

void CellGrid::UpdateHorzScrollPosition()
{
    if (!window_ || !window_->Showing() || !showsHorzBar_)
        return;
    ScrollBarInfo info = window_->ScrollInfo(ScrollBarKind::Horizontal);
    const int position = HorzScrollPosition(MaxTopLeft().Col);
    if (info.Pos != position) {
        info.Pos = position;
        window_->SetScrollInfo(ScrollBarKind::Horizontal, info);
    }
}

void CellGrid::RefreshScrollBars()
{
    if (!window_ || !window_->Showing() || !showsHorzBar_)
        return;
    const GridLayout before = Layout();
    const int leftBefore = leftCol_;
    const auto setRange = [&] {
        const int maxLeft = MaxTopLeft().Col;
        const ScrollBarInfo wanted{0, maxLeft > fixedCols_ ? kScrollRange : 0, 0, 0};
        const ScrollBarInfo now = window_->ScrollInfo(ScrollBarKind::Horizontal);
        if (now.Min != wanted.Min || now.Max != wanted.Max)
            window_->SetScrollInfo(ScrollBarKind::Horizontal, {wanted.Min, wanted.Max, 0, now.Pos});
        if (leftCol_ > maxLeft) {
            window_->FlushPaint();
            leftCol_ = qMax(fixedCols_, maxLeft);
            ForgetLayout();
        }
    };
    // A bar that comes or goes changes the client width: the range again.
    const int widthBefore = window_->ClientSize().width();
    setRange();
    if (window_->ClientSize().width() != widthBefore)
        setRange();
    UpdateHorzScrollPosition();
    if (leftBefore != leftCol_)
        MoveTopLeft({leftBefore, topRow_}, before);
}
