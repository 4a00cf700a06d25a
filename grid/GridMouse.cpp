#include "GridMouse.h"

#include "DataGrid.h"

#include "db/Query.h"

#include <QScopeGuard>
#include <cmath>

namespace {

using Option = DataGrid::Option;
using ExtraOption = DataGrid::ExtraOption;

// The sizing zone around a column's right border, for lines up to 6 pixels.
constexpr int kSizingZone = 7;
// The column-moving marker's width.
constexpr int kMarkerWidth = 5;
// Timer intervals of column moving.
constexpr int kMovingTick = 60;
constexpr int kMovingTickAfterScroll = 360;

} // namespace

QRect GridMouse::DataArea() const
{
    const GridLayout& layout = grid_.Layout();
    return QRect(QPoint(layout.Columns.FrozenStart, layout.Rows.FixedEnd),
                 QPoint(layout.Columns.CellsEnd - 1, layout.Rows.CellsEnd - 1));
}

int GridMouse::SizingZoneAt(const QPoint& at) const
{
    const GridLayout& layout = grid_.Layout();
    const AxisLayout& c = layout.Columns;
    if (!grid_.Options().Has(Option::ColumnResize) || !grid_.ExtraOptions().Has(ExtraOption::ColumnResize))
        return -1;
    if (at.y() >= layout.Rows.FixedEnd || at.x() < c.FrozenStart)
        return -1;
    // The frozen columns' borders first, then the scrolling columns' shown.
    for (int col = c.FixedCount - c.FrozenCount; col < c.CellCount; ++col) {
        if (col >= c.FixedCount && col < c.FirstScrollCell)
            continue;
        const int start = c.ShownStart(col);
        if (start < 0 || c.ExtentOf(col) <= 0)
            continue;
        const int line = start + c.ExtentOf(col);
        const bool zone = c.LinePx <= 6 ? at.x() >= line - (kSizingZone - c.LinePx) / 2
                                              && at.x() < line - (kSizingZone - c.LinePx) / 2 + kSizingZone
                                        : at.x() >= line && at.x() < line + c.LinePx;
        if (zone)
            return col;
    }
    return -1;
}

void GridMouse::Press(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& at, bool doubleClick)
{
    ControlWindow* window = grid_.Window();
    if (!window)
        return;
    if (button == Qt::RightButton)
        window->SetCapture(true);
    // A press that cannot bring the focus here does nothing more.
    if (!window->Focused() && !(window->CanFocus() && window->SetFocus()))
        return;
    lastMouse_ = at;
    if (doubleClick && button == Qt::LeftButton)
        return;
    const int sizing = SizingZoneAt(at);
    if (sizing >= 0) {
        if (button == Qt::LeftButton)
            StartSizing(sizing, at);
        return;
    }
    const CellPos cell = grid_.CellAtPoint(at.x(), at.y());
    const int o = grid_.Metrics().IndicatorOffset();
    if (cell.Row >= 0 && cell.Row < grid_.Metrics().TopDataOffset()) {
        // A title: a right press moves columns as a left one does.
        if (cell.Col >= o && button == Qt::RightButton && grid_.ExtraOptions().Has(ExtraOption::ColumnMove)) {
            button = Qt::LeftButton;
            titlePressAsLeft_ = true;
        }
        if (cell.Col >= o && button == Qt::LeftButton && cell.Col >= grid_.FixedCols()
            && grid_.ExtraOptions().Has(ExtraOption::ColumnMove) && grid_.CellOptions().Has(CellGrid::Option::ColMoving))
            StartMoving(cell.Col);
    } else if (cell.Row >= grid_.Metrics().TopDataOffset() && cell.Row < grid_.RowCount() && grid_.ResultOpen()) {
        // Any button makes the pressed cell current, the right one before the context menu shows.
        const CellPos before = grid_.Current();
        const int recordBefore = grid_.DataSet()->RecNo();
        // A layout update, not a paint lock: the pass that ends it repaints
        // whatever the move scrolled.
        grid_.LayoutBatch().Lock();
        {
            const auto endUpdate = qScopeGuard([this] { grid_.LayoutBatch().Unlock(); });
            grid_.Editor().Hide();
            if (cell.Row != grid_.Current().Row)
                grid_.DataSet()->MoveBy(cell.Row - grid_.Current().Row);
            if (cell.Col >= o)
                grid_.MoveCol(cell.Col, 0);
            if (DataArea().contains(at)) {
                drag_ = Drag::Tracking;
                window->SetCapture(true);
            }
        }
        const bool wasCurrent = grid_.Current() == before && grid_.DataSet()->RecNo() == recordBefore;
        if (button == Qt::LeftButton && (wasCurrent || grid_.Options().Has(Option::AlwaysShowEditor)) && cell.Col >= o
            && !(modifiers & (Qt::ShiftModifier | Qt::ControlModifier)))
            grid_.Editor().Show();
    }
}

void GridMouse::StartSizing(int gridCol, const QPoint& at)
{
    const AxisLayout& c = grid_.Layout().Columns;
    drag_ = Drag::Sizing;
    sizingCol_ = gridCol;
    sizingPos_ = c.ShownStart(gridCol) + c.ExtentOf(gridCol);
    sizingOffset_ = sizingPos_ - at.x();
    InvalidateMarker();
}

void GridMouse::StartMoving(int gridCol)
{
    drag_ = Drag::Moving;
    moveFrom_ = moveTo_ = gridCol;
    grid_.InvalidateGrid();
    SetDragTimer(kMovingTick);
}

void GridMouse::Move(Qt::MouseButtons, Qt::KeyboardModifiers, const QPoint& at)
{
    ControlWindow* window = grid_.Window();
    if (!window)
        return;
    lastMouse_ = at;
    switch (drag_) {
    case Drag::None:
        window->SetCursor(SizingZoneAt(at) >= 0 ? CursorShape::HorizontalSplit : CursorShape::Default);
        break;
    case Drag::Sizing:
        InvalidateMarker();
        sizingPos_ = at.x() + sizingOffset_;
        InvalidateMarker();
        break;
    case Drag::Moving:
        MoveTarget();
        break;
    case Drag::Tracking:
        TrackTo(at);
        AutoScrollStep();
        break;
    }
}

void GridMouse::TrackTo(const QPoint& at)
{
    const QSize client = grid_.Window()->ClientSize();
    const QPoint clamped(qBound(0, at.x(), client.width() - 1), qBound(0, at.y(), client.height() - 1));
    const CellPos cell = grid_.CellAtPoint(clamped.x(), clamped.y());
    const QRect area = DataArea();
    grid_.LayoutBatch().Lock();
    const auto endUpdate = qScopeGuard([this] { grid_.LayoutBatch().Unlock(); });
    if (cell.Row >= grid_.Metrics().TopDataOffset() && cell.Row < grid_.RowCount() && at.y() >= area.top() && at.y() <= area.bottom()
        && cell.Row != grid_.Current().Row)
        grid_.DataSet()->MoveBy(cell.Row - grid_.Current().Row);
    if (cell.Col >= grid_.Metrics().IndicatorOffset() && at.x() >= area.left() && at.x() <= area.right() && cell.Col != grid_.Current().Col)
        grid_.MoveCol(cell.Col, cell.Col > grid_.Current().Col ? 1 : -1);
}

void GridMouse::AutoScrollStep()
{
    const QRect area = DataArea();
    const QPoint at = lastMouse_;
    int vertical = 0, dv = 0, horizontal = 0, dh = 0;
    if (at.y() < area.top()) {
        dv = area.top() - at.y();
        vertical = -1;
    } else if (at.y() > area.bottom()) {
        dv = at.y() - area.bottom();
        vertical = 1;
    }
    if (at.x() < area.left()) {
        dh = area.left() - at.x();
        horizontal = -1;
    } else if (at.x() > area.right()) {
        dh = at.x() - area.right() - 1;
        horizontal = 1;
    }
    if (vertical == 0 && horizontal == 0) {
        StopDragTimer();
        return;
    }
    // The farther out, the more records a step and the shorter the wait.
    const int d = qMax(dv, dh);
    {
        grid_.LayoutBatch().Lock();
        const auto endUpdate = qScopeGuard([this] { grid_.LayoutBatch().Unlock(); });
        if (vertical != 0)
            grid_.DataSet()->MoveBy(vertical * qMin(d / 6, 8));
        const GridLayout& layout = grid_.Layout();
        if (horizontal < 0 && grid_.LeftCol() > grid_.FixedCols())
            grid_.SetTopLeft(grid_.LeftCol() - 1, grid_.TopRow());
        else if (horizontal > 0 && layout.Columns.LastWholeCell < grid_.ColCount() - 1)
            grid_.SetTopLeft(grid_.LeftCol() + 1, grid_.TopRow());
        if (horizontal != 0)
            grid_.MoveCol(grid_.Current().Col + horizontal, horizontal);
    }
    grid_.InvalidateGrid();
    SetDragTimer(qMax(0, 200 - 15 * d));
}

void GridMouse::MoveTarget()
{
    const GridLayout& layout = grid_.Layout();
    const AxisLayout& c = layout.Columns;
    const int x = lastMouse_.x();
    int target = moveTo_;
    scrolledRight_ = false;
    if (x < c.FixedEnd) {
        // Left of the scrolling columns: the first one shown, after a step left.
        if (grid_.LeftCol() > grid_.FixedCols())
            grid_.SetTopLeft(grid_.LeftCol() - 1, grid_.TopRow());
        target = grid_.LeftCol();
    } else if (x >= c.LastWholeEnd) {
        // At the right edge: the last whole column, after a step right when more follow.
        if (moveTo_ == c.LastWholeCell && c.LastWholeCell < grid_.ColCount() - 1) {
            grid_.SetTopLeft(grid_.LeftCol() + 1, grid_.TopRow());
            scrolledRight_ = true;
        }
        target = grid_.Layout().Columns.LastWholeCell;
    } else {
        const CellPos cell = grid_.CellAtPoint(x, qBound(0, lastMouse_.y(), grid_.Window()->ClientSize().height() - 1));
        if (cell.Col >= grid_.FixedCols())
            target = cell.Col;
    }
    if (target != moveTo_) {
        InvalidateMarker();
        moveTo_ = target;
        InvalidateMarker();
    }
}

int GridMouse::MovingTickInterval() const
{
    const AxisLayout& c = grid_.Layout().Columns;
    const QRect screen = grid_.Window()->ScreenRect();
    const int x = lastMouse_.x();
    // Far beyond the edge the ticks come faster: 60 + 1.5 × r / k.
    const auto interval = [](int room, int beyond) {
        const int r = qMin(200, room);
        const int d = qMin(r, beyond);
        const int k = d > 10 ? d - 10 : 1;
        return kMovingTick + int(std::lround(1.5 * r / k));
    };
    if (x < c.FixedEnd)
        return interval(grid_.Window()->ToScreen(QPoint(c.FixedEnd, 0)).x() - screen.left(), c.FixedEnd - x);
    if (x >= c.CellsEnd)
        return interval(screen.right() - grid_.Window()->ToScreen(QPoint(c.CellsEnd, 0)).x(), x - c.CellsEnd);
    return scrolledRight_ ? kMovingTickAfterScroll : kMovingTick;
}

void GridMouse::TimerTick()
{
    if (drag_ == Drag::Tracking) {
        AutoScrollStep();
    } else if (drag_ == Drag::Moving) {
        MoveTarget();
        SetDragTimer(MovingTickInterval());
    }
}

void GridMouse::SetDragTimer(int milliseconds)
{
    // A running timer restarts only when its interval changes.
    if (milliseconds == dragTimerInterval_ || !grid_.Window())
        return;
    dragTimerInterval_ = milliseconds;
    grid_.Window()->StartTimer(milliseconds);
}

void GridMouse::StopDragTimer()
{
    if (dragTimerInterval_ < 0 || !grid_.Window())
        return;
    dragTimerInterval_ = -1;
    grid_.Window()->StopTimer();
}

int GridMouse::MarkerX() const
{
    if (drag_ == Drag::Sizing)
        return sizingPos_;
    const AxisLayout& c = grid_.Layout().Columns;
    const int start = qMax(0, c.ShownStart(moveTo_));
    return moveTo_ > moveFrom_ ? start + c.ExtentOf(moveTo_) : start;
}

void GridMouse::InvalidateMarker()
{
    if (grid_.Window() && (drag_ == Drag::Sizing || drag_ == Drag::Moving))
        grid_.Window()->Invalidate(QRect(MarkerX() - kMarkerWidth / 2, 0, kMarkerWidth, grid_.Window()->ClientSize().height()));
}

void GridMouse::EndDrag(bool apply)
{
    const Drag ended = drag_;
    InvalidateMarker();
    StopDragTimer();
    drag_ = Drag::None;
    if (grid_.Window())
        grid_.Window()->SetCapture(false);
    if (!apply)
        return;
    if (ended == Drag::Sizing) {
        // Wider than a pixel, the column takes the width, within its limits.
        const int width = sizingPos_ - grid_.Layout().Columns.ShownStart(sizingCol_);
        if (width > 1) {
            grid_.SetColWidth(sizingCol_, width);
            grid_.ColWidthsChanged();
        }
    } else if (ended == Drag::Moving && moveTo_ != moveFrom_) {
        const int o = grid_.Metrics().IndicatorOffset();
        const int current = grid_.Current().Col;
        // The current cell stays on its column.
        int followed = current;
        if (current == moveFrom_)
            followed = moveTo_;
        else if (moveFrom_ < current && current <= moveTo_)
            --followed;
        else if (moveTo_ <= current && current < moveFrom_)
            ++followed;
        grid_.Columns().Move(moveFrom_ - o, moveTo_ - o);
        grid_.SetCurrent({followed, grid_.Current().Row});
        grid_.InvalidateGrid();
    }
}


void GridMouse::Release(Qt::MouseButton button, Qt::KeyboardModifiers, const QPoint& at)
{
    titlePressAsLeft_ = false;
    if (grid_.Window())
        grid_.Window()->SetCapture(false);
    const Drag ended = drag_;
    // A right release ends a column move started by the right button as a left one would.
    if (ended == Drag::Sizing || ended == Drag::Moving)
        EndDrag(true);
    drag_ = Drag::None;
    StopDragTimer();
    if (button == Qt::RightButton && grid_.Window())
        grid_.Window()->ShowContextMenu(at);
}

void GridMouse::Cancel()
{
    // Focus gone or Esc: drags end and leave everything as it was.
    if (drag_ != Drag::None)
        EndDrag(false);
    titlePressAsLeft_ = false;
}

void GridMouse::CancelColumnDrag()
{
    if (drag_ == Drag::Sizing || drag_ == Drag::Moving)
        EndDrag(false);
}
