// Handing the window's messages to the grid's parts.
#include "GridEvents.h"

#include "DataGrid.h"
#include "GridStyle.h"

#include "db/Query.h"

namespace {

// The wheel turns by notches of this many eighths of a degree.
constexpr int kWheelNotch = 120;

} // namespace

void GridEvents::Paint(Canvas& canvas, const QRegion& invalid)
{
    grid_.painter_.Paint(canvas, invalid);
}

void GridEvents::Resized()
{
    grid_.Resized();
}

void GridEvents::QueuedLayout()
{
    grid_.batch_.QueuedArrived();
}

void GridEvents::ScrollRequest(ScrollBarKind bar, ScrollCode code, int position)
{
    if (bar == ScrollBarKind::Vertical) {
        grid_.vertBar_.Scroll(code, position);
        return;
    }
    // With tracking the grid follows the thumb while it is dragged.
    if (code == ScrollCode::Track && grid_.HorzScrollBar.Tracking)
        code = ScrollCode::Position;
    grid_.HandleScrollMessage(Axis::Columns, code, position);
}

void GridEvents::Wheel(int delta, Qt::KeyboardModifiers, const QPoint&)
{
    wheelRest_ += delta;
    const int notches = wheelRest_ / kWheelNotch;
    wheelRest_ %= kWheelNotch;
    if (notches != 0 && grid_.ResultOpen())
        grid_.DataSet()->MoveBy(-notches);
}

void GridEvents::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& at, bool doubleClick)
{
    grid_.mouse_.Press(button, modifiers, at, doubleClick);
}

void GridEvents::MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, const QPoint& at)
{
    grid_.mouse_.Move(buttons, modifiers, at);
}

void GridEvents::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& at)
{
    grid_.mouse_.Release(button, modifiers, at);
}

void GridEvents::KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    grid_.keys_.KeyDown(key, modifiers);
}

void GridEvents::KeyPress(QChar character)
{
    grid_.keys_.KeyPress(character);
}

void GridEvents::TimerTick()
{
    grid_.mouse_.TimerTick();
}

void GridEvents::CancelMode()
{
    grid_.mouse_.Cancel();
}

void GridEvents::FocusIn()
{
    grid_.InvalidateRow(grid_.Current().Row);
}

void GridEvents::FocusOut()
{
    grid_.InvalidateRow(grid_.Current().Row);
}

void GridEvents::SystemColoursChanged(int bitsPerPixel)
{
    GridStyle::Instance().ReadDisplay(bitsPerPixel);
    grid_.InvalidateGrid();
}

bool GridEvents::WantsTab() const
{
    const DataGrid::OptionSet options = grid_.Options();
    return options.Has(DataGrid::Option::Tabs) && !options.Has(DataGrid::Option::RowSelect);
}
