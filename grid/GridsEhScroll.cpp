// The cell grid's scrolling: top-left moves, the scroll requests and bars.
#include "GridsEh.h"

namespace {

// Both are non-negative here; the quotient rounded to the nearest integer.
int RoundedQuotient(qint64 numerator, qint64 denominator)
{
    return int((numerator * 2 + denominator) / (denominator * 2));
}

} // namespace

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
    // The bar may have moved its thumb by itself: it shows the grid's position.
    UpdateHorzScrollPosition();
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

