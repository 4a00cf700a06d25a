// The cell grid's scrolling: top-left moves, the scroll requests and bars.
#include "CellGrid.h"

void CellGrid::setTopLeft(int leftCol, int topRow)
{
    if (leftCol == leftCol_ && topRow == topRow_)
        return;
    if (window_)
        window_->flushPaint();
    const GridLayout before = layout();
    const CellPos from{leftCol_, topRow_};
    leftCol_ = leftCol;
    topRow_ = topRow;
    forgetLayout();
    updateHorzScrollPosition();
    moveTopLeft(from, before);
}

void CellGrid::moveTopLeft(CellPos from, const GridLayout& before)
{
    if (window_) {
        shiftPixels(Axis::Columns, from.col, leftCol_, before);
        shiftPixels(Axis::Rows, from.row, topRow_, before);
    }
    topLeftChanged();
}

void CellGrid::shiftPixels(Axis axis, int from, int to, const GridLayout& before)
{
    const AxisLayout& a = before.axis(axis);
    // A count that shrank can leave the old top-left past the cells: nothing
    // of the old picture stays then.
    const bool pastTheCells = qMax(from, to) > a.cellCount;
    int distance = 0;
    for (int i = qMin(from, to); i < qMax(from, to) && !pastTheCells; ++i)
        distance += a.extentOf(i) + a.linePx;
    if (to > from)
        distance = -distance;
    if (axis == Axis::Columns && from != to)
        forgetLayout();
    if (distance == 0 && !pastTheCells)
        return;
    if (pastTheCells || qAbs(distance) > a.cellsEnd - a.fixedEnd) {
        window_->invalidateAll();
        return;
    }
    const QSize client = window_->clientSize();
    if (axis == Axis::Columns) {
        window_->scrollRect(QRect(QPoint(a.fixedEnd, 0), QPoint(a.scrollLimit - 1, client.height() - 1)), distance, 0);
        // A column cut off at the right edge is drawn for the part shown: the
        // one cut before and the one cut now are drawn anew, not shifted.
        const int cutBefore = a.lastWholeEnd + distance;
        const int cutNow = layout().columns.lastWholeEnd;
        const int from = qMax(a.fixedEnd, qMin(cutBefore, cutNow));
        if (from < a.scrollLimit)
            window_->invalidate(QRect(QPoint(from, 0), QPoint(a.scrollLimit - 1, client.height() - 1)));
    } else
        window_->scrollRect(QRect(QPoint(0, a.fixedEnd), QPoint(client.width() - 1, a.scrollLimit - 1)), 0, distance);
}

void CellGrid::bringCellIntoView(int col, int row)
{
    const GridLayout geometry = layout();
    const bool colInView = col >= leftCol_ && col <= geometry.columns.lastWholeCell;
    const bool rowInView = row >= topRow_ && row <= geometry.rows.lastWholeCell;
    if (colInView && rowInView)
        return;
    int left = leftCol_;
    int top = topRow_;
    if (col < leftCol_ && col >= fixedCols_)
        left = col;
    else if (col > geometry.columns.lastWholeCell)
        left = geometry.columns.firstCellToFit(col);
    if (row < topRow_ && row >= fixedRows_)
        top = row;
    else if (row > geometry.rows.lastWholeCell)
        top = geometry.rows.firstCellToFit(row);
    setTopLeft(left, top);
}

void CellGrid::handleScrollMessage(Axis axis, ScrollCode code, int thumbPosition)
{
    if (window_ && window_->showing() && window_->canFocus())
        window_->takeFocus();
    if (axis != Axis::Columns)
        return;

    const GridLayout geometry = layout();
    const int maxLeft = maxTopLeft().col;
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
    case ScrollCode::PageUp: step(-qMax(1, leftCol_ - geometry.columns.firstCellToFit(leftCol_))); break;
    case ScrollCode::PageDown: step(qMax(1, geometry.columns.lastWholeCell - leftCol_)); break;
    case ScrollCode::Position:
        left = fixedCols_ + (maxLeft > fixedCols_ ? roundedQuotient(qint64(thumbPosition) * (maxLeft - fixedCols_), kScrollRange) : 0);
        break;
    case ScrollCode::Top: left = fixedCols_; break;
    case ScrollCode::Bottom: left = maxLeft; break;
    }
    setTopLeft(qBound(fixedCols_, left, qMax(fixedCols_, maxLeft)), topRow_);
    // The bar may have moved its thumb by itself: it shows the grid's position.
    updateHorzScrollPosition();
}

int CellGrid::horzScrollPosition(int maxLeft) const
{
    if (maxLeft <= fixedCols_)
        return 0;
    return roundedQuotient(qint64(leftCol_ - fixedCols_) * kScrollRange, maxLeft - fixedCols_);
}

void CellGrid::updateHorzScrollPosition()
{
    if (!window_ || !window_->showing())
        return;
    ScrollBarInfo info = window_->scrollInfo(ScrollBarKind::Horizontal);
    const int position = horzScrollPosition(maxTopLeft().col);
    if (info.pos != position) {
        info.pos = position;
        window_->setScrollInfo(ScrollBarKind::Horizontal, info);
    }
}

void CellGrid::refreshScrollBars()
{
    if (!window_ || !window_->showing())
        return;
    const GridLayout before = layout();
    const int leftBefore = leftCol_;
    const auto setRange = [&] {
        const int maxLeft = maxTopLeft().col;
        const ScrollBarInfo wanted{0, maxLeft > fixedCols_ ? kScrollRange : 0, 0, 0};
        const ScrollBarInfo now = window_->scrollInfo(ScrollBarKind::Horizontal);
        if (now.min != wanted.min || now.max != wanted.max)
            window_->setScrollInfo(ScrollBarKind::Horizontal, {wanted.min, wanted.max, 0, now.pos});
        if (leftCol_ > maxLeft) {
            window_->flushPaint();
            leftCol_ = qMax(fixedCols_, maxLeft);
            forgetLayout();
        }
    };
    // A bar that comes or goes changes the client width: the range again.
    const int widthBefore = window_->clientSize().width();
    setRange();
    if (window_->clientSize().width() != widthBefore)
        setRange();
    updateHorzScrollPosition();
    if (leftBefore != leftCol_)
        moveTopLeft({leftBefore, topRow_}, before);
}
