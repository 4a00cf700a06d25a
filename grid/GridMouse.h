#pragma once

#include <QPoint>
#include <QRect>
#include <Qt>

class DataGrid;

// The grid's mouse: a press makes a cell current; a drag tracks the current
// cell over the data with auto-scroll, or sizes or moves a column by its
// title. Between a press and its release it is in one drag at a time, with
// its own state; the release of the right button brings up the context menu.
class GridMouse {
public:
    enum class Drag { None, Tracking, Sizing, Moving };

    explicit GridMouse(DataGrid& grid) : grid_(grid) {}

    void press(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& at, bool doubleClick);
    void move(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, const QPoint& at);
    void release(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& at);
    // The auto-scroll and column-moving step.
    void timerTick();
    // Focus gone: every drag ends and leaves everything as it was.
    void cancel();
    // Esc: a column sizing or move ends and changes nothing.
    void cancelColumnDrag();

    Drag state() const { return drag_; }
    // The grid column whose right border's sizing zone holds the point, or -1.
    int sizingZoneAt(const QPoint& at) const;
    // Where the sizing line or the moving marker stands, during those drags.
    int markerX() const;

private:
    void startSizing(int gridCol, const QPoint& at);
    void startMoving(int gridCol);
    void trackTo(const QPoint& at);
    void autoScrollStep();
    void moveTarget();
    int movingTickInterval() const;
    void invalidateMarker();
    void endDrag(bool apply);
    void setDragTimer(int milliseconds);
    void stopDragTimer();
    // The data area: the data cells of frozen and scrolling columns.
    QRect dataArea() const;

    DataGrid& grid_;
    Drag drag_ = Drag::None;
    QPoint lastMouse_;
    int dragTimerInterval_ = -1;  // -1: not running
    int sizingCol_ = -1;
    int sizingPos_ = 0;
    int sizingOffset_ = 0;
    int moveFrom_ = -1;
    int moveTo_ = -1;
    bool scrolledRight_ = false;
};
