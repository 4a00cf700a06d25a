#include "GridMouse.h"

#include "DataGrid.h"

#include "db/Query.h"

#include <QScopeGuard>
#include <cmath>

namespace {

// The sizing zone around a column's right border, for lines up to 6 pixels.
constexpr int kSizingZone = 7;
// The column-moving marker's width.
constexpr int kMarkerWidth = 5;
// Timer intervals of column moving.
constexpr int kMovingTick = 60;
constexpr int kMovingTickAfterScroll = 360;

} // namespace

QRect GridMouse::dataArea() const
{
    const GridLayout& layout = grid_.layout();
    return QRect(QPoint(layout.columns.frozenStart, layout.rows.fixedEnd),
                 QPoint(layout.columns.cellsEnd - 1, layout.rows.cellsEnd - 1));
}

int GridMouse::sizingZoneAt(const QPoint& at) const
{
    const GridLayout& layout = grid_.layout();
    const AxisLayout& c = layout.columns;
    if (at.y() >= layout.rows.fixedEnd || at.x() < c.frozenStart)
        return -1;
    // The frozen columns' borders first, then the scrolling columns' shown.
    for (int col = c.fixedCount - c.frozenCount; col < c.cellCount; ++col) {
        if (col >= c.fixedCount && col < c.firstScrollCell)
            continue;
        const int start = c.shownStart(col);
        if (start < 0 || c.extentOf(col) <= 0)
            continue;
        const int line = start + c.extentOf(col);
        const bool zone = c.linePx <= 6 ? at.x() >= line - (kSizingZone - c.linePx) / 2
                                              && at.x() < line - (kSizingZone - c.linePx) / 2 + kSizingZone
                                        : at.x() >= line && at.x() < line + c.linePx;
        if (zone)
            return col;
    }
    return -1;
}

void GridMouse::press(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& at, bool doubleClick)
{
    ControlWindow* window = grid_.window();
    if (!window)
        return;
    if (button == Qt::RightButton)
        window->setCapture(true);
    // A press that cannot bring the focus here does nothing more.
    if (!window->focused() && !(window->canFocus() && window->takeFocus()))
        return;
    lastMouse_ = at;
    if (doubleClick && button == Qt::LeftButton)
        return;
    const int sizing = sizingZoneAt(at);
    if (sizing >= 0) {
        if (button == Qt::LeftButton)
            startSizing(sizing, at);
        return;
    }
    const CellPos cell = grid_.cellAtPoint(at.x(), at.y());
    const int o = grid_.metrics().indicatorOffset();
    if (cell.row >= 0 && cell.row < grid_.metrics().topDataOffset()) {
        // A title: a right press moves columns as a left one does.
        if (cell.col >= o && cell.col >= grid_.fixedCols()
            && (button == Qt::LeftButton || button == Qt::RightButton))
            startMoving(cell.col);
    } else if (cell.row >= grid_.metrics().topDataOffset() && cell.row < grid_.rowCount() && grid_.resultOpen()) {
        // Any button makes the pressed cell current, the right one before the context menu shows.
        const CellPos before = grid_.current();
        const int recordBefore = grid_.dataSet()->recNo();
        // A layout update, not a paint lock: the pass that ends it repaints
        // whatever the move scrolled.
        grid_.layoutBatch().lock();
        {
            const auto endUpdate = qScopeGuard([this] { grid_.layoutBatch().unlock(); });
            grid_.editor().hide();
            if (cell.row != grid_.current().row)
                grid_.dataSet()->moveBy(cell.row - grid_.current().row);
            if (cell.col >= o)
                grid_.moveCol(cell.col, 0);
            if (dataArea().contains(at)) {
                drag_ = Drag::Tracking;
                window->setCapture(true);
            }
        }
        const bool wasCurrent = grid_.current() == before && grid_.dataSet()->recNo() == recordBefore;
        if (button == Qt::LeftButton && wasCurrent && cell.col >= o
            && !(modifiers & (Qt::ShiftModifier | Qt::ControlModifier)))
            grid_.editor().show();
    }
}

void GridMouse::startSizing(int gridCol, const QPoint& at)
{
    const AxisLayout& c = grid_.layout().columns;
    drag_ = Drag::Sizing;
    sizingCol_ = gridCol;
    sizingPos_ = c.shownStart(gridCol) + c.extentOf(gridCol);
    sizingOffset_ = sizingPos_ - at.x();
    invalidateMarker();
}

void GridMouse::startMoving(int gridCol)
{
    drag_ = Drag::Moving;
    moveFrom_ = moveTo_ = gridCol;
    grid_.invalidateGrid();
    setDragTimer(kMovingTick);
}

void GridMouse::move(Qt::MouseButtons, Qt::KeyboardModifiers, const QPoint& at)
{
    ControlWindow* window = grid_.window();
    if (!window)
        return;
    lastMouse_ = at;
    switch (drag_) {
    case Drag::None:
        window->setCursorShape(sizingZoneAt(at) >= 0 ? CursorShape::HorizontalSplit : CursorShape::Default);
        break;
    case Drag::Sizing:
        invalidateMarker();
        sizingPos_ = at.x() + sizingOffset_;
        invalidateMarker();
        break;
    case Drag::Moving:
        moveTarget();
        break;
    case Drag::Tracking:
        trackTo(at);
        autoScrollStep();
        break;
    }
}

void GridMouse::trackTo(const QPoint& at)
{
    const QSize client = grid_.window()->clientSize();
    const QPoint clamped(qBound(0, at.x(), client.width() - 1), qBound(0, at.y(), client.height() - 1));
    const CellPos cell = grid_.cellAtPoint(clamped.x(), clamped.y());
    const QRect area = dataArea();
    grid_.layoutBatch().lock();
    const auto endUpdate = qScopeGuard([this] { grid_.layoutBatch().unlock(); });
    if (cell.row >= grid_.metrics().topDataOffset() && cell.row < grid_.rowCount() && at.y() >= area.top() && at.y() <= area.bottom()
        && cell.row != grid_.current().row)
        grid_.dataSet()->moveBy(cell.row - grid_.current().row);
    if (cell.col >= grid_.metrics().indicatorOffset() && at.x() >= area.left() && at.x() <= area.right() && cell.col != grid_.current().col)
        grid_.moveCol(cell.col, cell.col > grid_.current().col ? 1 : -1);
}

void GridMouse::autoScrollStep()
{
    const QRect area = dataArea();
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
        stopDragTimer();
        return;
    }
    // The farther out, the more records a step and the shorter the wait.
    const int d = qMax(dv, dh);
    {
        grid_.layoutBatch().lock();
        const auto endUpdate = qScopeGuard([this] { grid_.layoutBatch().unlock(); });
        if (vertical != 0)
            grid_.dataSet()->moveBy(vertical * qMin(d / 6, 8));
        const GridLayout& layout = grid_.layout();
        if (horizontal < 0 && grid_.leftCol() > grid_.fixedCols())
            grid_.setTopLeft(grid_.leftCol() - 1, grid_.topRow());
        else if (horizontal > 0 && layout.columns.lastWholeCell < grid_.colCount() - 1)
            grid_.setTopLeft(grid_.leftCol() + 1, grid_.topRow());
        if (horizontal != 0)
            grid_.moveCol(grid_.current().col + horizontal, horizontal);
    }
    grid_.invalidateGrid();
    setDragTimer(qMax(0, 200 - 15 * d));
}

void GridMouse::moveTarget()
{
    const GridLayout& layout = grid_.layout();
    const AxisLayout& c = layout.columns;
    const int x = lastMouse_.x();
    int target = moveTo_;
    scrolledRight_ = false;
    if (x < c.fixedEnd) {
        // Left of the scrolling columns: the first one shown, after a step left.
        if (grid_.leftCol() > grid_.fixedCols())
            grid_.setTopLeft(grid_.leftCol() - 1, grid_.topRow());
        target = grid_.leftCol();
    } else if (x >= c.lastWholeEnd) {
        // At the right edge: the last whole column, after a step right when more follow.
        if (moveTo_ == c.lastWholeCell && c.lastWholeCell < grid_.colCount() - 1) {
            grid_.setTopLeft(grid_.leftCol() + 1, grid_.topRow());
            scrolledRight_ = true;
        }
        target = grid_.layout().columns.lastWholeCell;
    } else {
        const CellPos cell = grid_.cellAtPoint(x, qBound(0, lastMouse_.y(), grid_.window()->clientSize().height() - 1));
        if (cell.col >= grid_.fixedCols())
            target = cell.col;
    }
    if (target != moveTo_) {
        invalidateMarker();
        moveTo_ = target;
        invalidateMarker();
    }
}

int GridMouse::movingTickInterval() const
{
    const AxisLayout& c = grid_.layout().columns;
    const QRect screen = grid_.window()->screenRect();
    const int x = lastMouse_.x();
    // Far beyond the edge the ticks come faster: 60 + 1.5 × r / k.
    const auto interval = [](int room, int beyond) {
        const int r = qMin(200, room);
        const int d = qMin(r, beyond);
        const int k = d > 10 ? d - 10 : 1;
        return kMovingTick + int(std::lround(1.5 * r / k));
    };
    if (x < c.fixedEnd)
        return interval(grid_.window()->toScreen(QPoint(c.fixedEnd, 0)).x() - screen.left(), c.fixedEnd - x);
    if (x >= c.cellsEnd)
        return interval(screen.right() - grid_.window()->toScreen(QPoint(c.cellsEnd, 0)).x(), x - c.cellsEnd);
    return scrolledRight_ ? kMovingTickAfterScroll : kMovingTick;
}

void GridMouse::timerTick()
{
    if (drag_ == Drag::Tracking) {
        autoScrollStep();
    } else if (drag_ == Drag::Moving) {
        moveTarget();
        setDragTimer(movingTickInterval());
    }
}

void GridMouse::setDragTimer(int milliseconds)
{
    // A running timer restarts only when its interval changes.
    if (milliseconds == dragTimerInterval_ || !grid_.window())
        return;
    dragTimerInterval_ = milliseconds;
    grid_.window()->startRepeatTimer(milliseconds);
}

void GridMouse::stopDragTimer()
{
    if (dragTimerInterval_ < 0 || !grid_.window())
        return;
    dragTimerInterval_ = -1;
    grid_.window()->stopRepeatTimer();
}

int GridMouse::markerX() const
{
    if (drag_ == Drag::Sizing)
        return sizingPos_;
    const AxisLayout& c = grid_.layout().columns;
    const int start = qMax(0, c.shownStart(moveTo_));
    return moveTo_ > moveFrom_ ? start + c.extentOf(moveTo_) : start;
}

void GridMouse::invalidateMarker()
{
    if (grid_.window() && (drag_ == Drag::Sizing || drag_ == Drag::Moving))
        grid_.window()->invalidate(QRect(markerX() - kMarkerWidth / 2, 0, kMarkerWidth, grid_.window()->clientSize().height()));
}

void GridMouse::endDrag(bool apply)
{
    const Drag ended = drag_;
    invalidateMarker();
    stopDragTimer();
    drag_ = Drag::None;
    if (grid_.window())
        grid_.window()->setCapture(false);
    if (!apply)
        return;
    if (ended == Drag::Sizing) {
        // Wider than a pixel, the column takes the width, within its limits.
        const int width = sizingPos_ - grid_.layout().columns.shownStart(sizingCol_);
        if (width > 1) {
            grid_.setColWidth(sizingCol_, width);
            grid_.colWidthsChanged();
        }
    } else if (ended == Drag::Moving && moveTo_ != moveFrom_) {
        const int o = grid_.metrics().indicatorOffset();
        const int current = grid_.current().col;
        // The current cell stays on its column.
        int followed = current;
        if (current == moveFrom_)
            followed = moveTo_;
        else if (moveFrom_ < current && current <= moveTo_)
            --followed;
        else if (moveTo_ <= current && current < moveFrom_)
            ++followed;
        grid_.columns().move(moveFrom_ - o, moveTo_ - o);
        grid_.setCurrent({followed, grid_.current().row});
        grid_.invalidateGrid();
    }
}

void GridMouse::release(Qt::MouseButton button, Qt::KeyboardModifiers, const QPoint& at)
{
    if (grid_.window())
        grid_.window()->setCapture(false);
    // A right release ends a column move started by the right button as a left one would.
    if (drag_ == Drag::Sizing || drag_ == Drag::Moving)
        endDrag(true);
    drag_ = Drag::None;
    stopDragTimer();
    if (button == Qt::RightButton && grid_.window())
        grid_.window()->showContextMenu(at);
}

void GridMouse::cancel()
{
    // Focus gone or Esc: drags end and leave everything as it was.
    if (drag_ != Drag::None)
        endDrag(false);
}

void GridMouse::cancelColumnDrag()
{
    if (drag_ == Drag::Sizing || drag_ == Drag::Moving)
        endDrag(false);
}
