// The data grid's mouse: presses that move the current cell, dragging the
// current cell with auto-scroll, column sizing and moving by the titles,
// clicks, and the context menu on a right release.
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

QRect DataGrid::DataArea() const
{
    const GridLayout& layout = Layout();
    return QRect(QPoint(layout.Columns.FrozenStart, layout.Rows.FixedEnd),
                 QPoint(layout.Columns.CellsEnd - 1, layout.Rows.CellsEnd - 1));
}

int DataGrid::SizingZoneAt(const QPoint& at) const
{
    const GridLayout& layout = Layout();
    const AxisLayout& c = layout.Columns;
    if (!options_.Has(Option::ColumnResize) || !extraOptions_.Has(ExtraOption::ColumnResize))
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

void DataGrid::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& at, bool doubleClick)
{
    ControlWindow* window = Window();
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
    const CellPos cell = CellAtPoint(at.x(), at.y());
    const int o = IndicatorOffset();
    if (cell.Row >= 0 && cell.Row < TopDataOffset()) {
        // A title: a right press moves columns as a left one does.
        if (cell.Col >= o && button == Qt::RightButton && extraOptions_.Has(ExtraOption::ColumnMove)) {
            button = Qt::LeftButton;
            titlePressAsLeft_ = true;
        }
        if (cell.Col >= o && button == Qt::LeftButton && cell.Col >= FixedCols()
            && extraOptions_.Has(ExtraOption::ColumnMove) && CellOptions().Has(CellGrid::Option::ColMoving))
            StartMoving(cell.Col);
    } else if (cell.Row >= TopDataOffset() && cell.Row < RowCount() && link_.Active()) {
        // Any button makes the pressed cell current, the right one before the context menu shows.
        const CellPos before = Current();
        const int recordBefore = DataSet()->RecNo();
        // A layout update, not a paint lock: the pass that ends it repaints
        // whatever the move scrolled.
        LockLayout();
        {
            const auto endUpdate = qScopeGuard([this] { UnlockLayout(); });
            HideEditor();
            if (cell.Row != Current().Row)
                DataSet()->MoveBy(cell.Row - Current().Row);
            if (cell.Col >= o)
                MoveCol(cell.Col, 0);
            if (DataArea().contains(at)) {
                drag_ = Drag::Tracking;
                window->SetCapture(true);
            }
        }
        const bool wasCurrent = Current() == before && DataSet()->RecNo() == recordBefore;
        if (button == Qt::LeftButton && (wasCurrent || options_.Has(Option::AlwaysShowEditor)) && cell.Col >= o
            && !(modifiers & (Qt::ShiftModifier | Qt::ControlModifier)))
            ShowEditor();
    }
}

void DataGrid::StartSizing(int gridCol, const QPoint& at)
{
    const AxisLayout& c = Layout().Columns;
    drag_ = Drag::Sizing;
    sizingCol_ = gridCol;
    sizingPos_ = c.ShownStart(gridCol) + c.ExtentOf(gridCol);
    sizingOffset_ = sizingPos_ - at.x();
    InvalidateMarker();
}

void DataGrid::StartMoving(int gridCol)
{
    drag_ = Drag::Moving;
    moveFrom_ = moveTo_ = gridCol;
    InvalidateGrid();
    SetDragTimer(kMovingTick);
}

void DataGrid::MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, const QPoint& at)
{
    ControlWindow* window = Window();
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

void DataGrid::TrackTo(const QPoint& at)
{
    const QSize client = Window()->ClientSize();
    const QPoint clamped(qBound(0, at.x(), client.width() - 1), qBound(0, at.y(), client.height() - 1));
    const CellPos cell = CellAtPoint(clamped.x(), clamped.y());
    const QRect area = DataArea();
    LockLayout();
    const auto endUpdate = qScopeGuard([this] { UnlockLayout(); });
    if (cell.Row >= TopDataOffset() && cell.Row < RowCount() && at.y() >= area.top() && at.y() <= area.bottom()
        && cell.Row != Current().Row)
        DataSet()->MoveBy(cell.Row - Current().Row);
    if (cell.Col >= IndicatorOffset() && at.x() >= area.left() && at.x() <= area.right() && cell.Col != Current().Col)
        MoveCol(cell.Col, cell.Col > Current().Col ? 1 : -1);
}

void DataGrid::AutoScrollStep()
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
        LockLayout();
        const auto endUpdate = qScopeGuard([this] { UnlockLayout(); });
        if (vertical != 0)
            DataSet()->MoveBy(vertical * qMin(d / 6, 8));
        const GridLayout& layout = Layout();
        if (horizontal < 0 && LeftCol() > FixedCols())
            SetTopLeft(LeftCol() - 1, TopRow());
        else if (horizontal > 0 && layout.Columns.LastWholeCell < ColCount() - 1)
            SetTopLeft(LeftCol() + 1, TopRow());
        if (horizontal != 0)
            MoveCol(Current().Col + horizontal, horizontal);
    }
    InvalidateGrid();
    SetDragTimer(qMax(0, 200 - 15 * d));
}

void DataGrid::MoveTarget()
{
    const GridLayout& layout = Layout();
    const AxisLayout& c = layout.Columns;
    const int x = lastMouse_.x();
    int target = moveTo_;
    scrolledRight_ = false;
    if (x < c.FixedEnd) {
        // Left of the scrolling columns: the first one shown, after a step left.
        if (LeftCol() > FixedCols())
            SetTopLeft(LeftCol() - 1, TopRow());
        target = LeftCol();
    } else if (x >= c.LastWholeEnd) {
        // At the right edge: the last whole column, after a step right when more follow.
        if (moveTo_ == c.LastWholeCell && c.LastWholeCell < ColCount() - 1) {
            SetTopLeft(LeftCol() + 1, TopRow());
            scrolledRight_ = true;
        }
        target = Layout().Columns.LastWholeCell;
    } else {
        const CellPos cell = CellAtPoint(x, qBound(0, lastMouse_.y(), Window()->ClientSize().height() - 1));
        if (cell.Col >= FixedCols())
            target = cell.Col;
    }
    if (target != moveTo_) {
        InvalidateMarker();
        moveTo_ = target;
        InvalidateMarker();
    }
}

int DataGrid::MovingTickInterval() const
{
    const AxisLayout& c = Layout().Columns;
    const QRect screen = Window()->ScreenRect();
    const int x = lastMouse_.x();
    // Far beyond the edge the ticks come faster: 60 + 1.5 × r / k.
    const auto interval = [](int room, int beyond) {
        const int r = qMin(200, room);
        const int d = qMin(r, beyond);
        const int k = d > 10 ? d - 10 : 1;
        return kMovingTick + int(std::lround(1.5 * r / k));
    };
    if (x < c.FixedEnd)
        return interval(Window()->ToScreen(QPoint(c.FixedEnd, 0)).x() - screen.left(), c.FixedEnd - x);
    if (x >= c.CellsEnd)
        return interval(screen.right() - Window()->ToScreen(QPoint(c.CellsEnd, 0)).x(), x - c.CellsEnd);
    return scrolledRight_ ? kMovingTickAfterScroll : kMovingTick;
}

void DataGrid::TimerTick()
{
    if (drag_ == Drag::Tracking) {
        AutoScrollStep();
    } else if (drag_ == Drag::Moving) {
        MoveTarget();
        SetDragTimer(MovingTickInterval());
    }
}

void DataGrid::SetDragTimer(int milliseconds)
{
    // A running timer restarts only when its interval changes.
    if (milliseconds == dragTimerInterval_ || !Window())
        return;
    dragTimerInterval_ = milliseconds;
    Window()->StartTimer(milliseconds);
}

void DataGrid::StopDragTimer()
{
    if (dragTimerInterval_ < 0 || !Window())
        return;
    dragTimerInterval_ = -1;
    Window()->StopTimer();
}

int DataGrid::MarkerX() const
{
    if (drag_ == Drag::Sizing)
        return sizingPos_;
    const AxisLayout& c = Layout().Columns;
    const int start = qMax(0, c.ShownStart(moveTo_));
    return moveTo_ > moveFrom_ ? start + c.ExtentOf(moveTo_) : start;
}

void DataGrid::InvalidateMarker()
{
    if (Window() && (drag_ == Drag::Sizing || drag_ == Drag::Moving))
        Window()->Invalidate(QRect(MarkerX() - kMarkerWidth / 2, 0, kMarkerWidth, Window()->ClientSize().height()));
}

void DataGrid::EndDrag(bool apply)
{
    const Drag ended = drag_;
    InvalidateMarker();
    StopDragTimer();
    drag_ = Drag::None;
    if (Window())
        Window()->SetCapture(false);
    if (!apply)
        return;
    if (ended == Drag::Sizing) {
        // Wider than a pixel, the column takes the width, within its limits.
        const int width = sizingPos_ - Layout().Columns.ShownStart(sizingCol_);
        if (width > 1) {
            SetColWidth(sizingCol_, width);
            ColWidthsChanged();
        }
    } else if (ended == Drag::Moving && moveTo_ != moveFrom_) {
        const int o = IndicatorOffset();
        const int current = Current().Col;
        // The current cell stays on its column.
        int followed = current;
        if (current == moveFrom_)
            followed = moveTo_;
        else if (moveFrom_ < current && current <= moveTo_)
            --followed;
        else if (moveTo_ <= current && current < moveFrom_)
            ++followed;
        columns_.Move(moveFrom_ - o, moveTo_ - o);
        SetCurrent({followed, Current().Row});
        InvalidateGrid();
    }
}

void DataGrid::ColWidthsChanged()
{
    if (!(link_.Active() || columns_.PersistentState()) || !AcquireLayoutLock())
        return;
    const int o = IndicatorOffset();
    for (int i = 0; i < columns_.Count() && i + o < ColCount(); ++i) {
        GridColumn& column = columns_.Item(i);
        if (!column.Visible())
            continue;
        int width = ColWidth(i + o);
        if (column.MaxWidth() > 0 && column.MaxWidth() < width)
            width = column.MaxWidth();
        if (column.MinWidth() > 0 && column.MinWidth() > width)
            width = column.MinWidth();
        column.SetWidth(width);
    }
    UnlockLayout();
}

void DataGrid::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, const QPoint& at)
{
    titlePressAsLeft_ = false;
    if (Window())
        Window()->SetCapture(false);
    const Drag ended = drag_;
    // A right release ends a column move started by the right button as a left one would.
    if (ended == Drag::Sizing || ended == Drag::Moving)
        EndDrag(true);
    drag_ = Drag::None;
    StopDragTimer();
    if (button == Qt::RightButton && Window())
        Window()->ShowContextMenu(at);
}

void DataGrid::CancelMode()
{
    // Focus gone or Esc: drags end and leave everything as it was.
    if (drag_ != Drag::None)
        EndDrag(false);
    titlePressAsLeft_ = false;
}
