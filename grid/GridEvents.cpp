// Handing the window's messages to the grid's parts.
#include "GridEvents.h"

#include "DataGrid.h"
#include "GridStyle.h"

#include "db/Query.h"

namespace {

// The wheel turns by notches of this many eighths of a degree.
constexpr int kWheelNotch = 120;

} // namespace

void GridEvents::paint(Canvas& canvas, const QRegion& invalid)
{
    grid_.painter_.paint(canvas, invalid);
}

void GridEvents::resized()
{
    grid_.resized();
}

void GridEvents::queuedLayout()
{
    grid_.batch_.queuedArrived();
}

void GridEvents::scrollRequest(ScrollBarKind bar, ScrollCode code, int position)
{
    if (bar == ScrollBarKind::Vertical) {
        grid_.vertBar_.scroll(code, position);
        return;
    }
    grid_.handleScrollMessage(Axis::Columns, code, position);
}

void GridEvents::wheel(int delta, Qt::KeyboardModifiers, const QPoint&)
{
    wheelRest_ += delta;
    const int notches = wheelRest_ / kWheelNotch;
    wheelRest_ %= kWheelNotch;
    if (notches != 0 && grid_.resultOpen())
        grid_.dataSet()->moveBy(-notches);
}

void GridEvents::mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& at, bool doubleClick)
{
    grid_.mouse_.press(button, modifiers, at, doubleClick);
}

void GridEvents::mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, const QPoint& at)
{
    grid_.mouse_.move(buttons, modifiers, at);
}

void GridEvents::mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& at)
{
    grid_.mouse_.release(button, modifiers, at);
}

void GridEvents::keyDown(int key, Qt::KeyboardModifiers modifiers)
{
    grid_.keys_.keyDown(key, modifiers);
}

void GridEvents::keyPress(QChar character)
{
    grid_.keys_.keyPress(character);
}

void GridEvents::timerTick()
{
    grid_.mouse_.timerTick();
}

void GridEvents::cancelMode()
{
    grid_.mouse_.cancel();
}

void GridEvents::focusIn()
{
    grid_.invalidateRow(grid_.current().row);
}

void GridEvents::focusOut()
{
    grid_.invalidateRow(grid_.current().row);
}

void GridEvents::systemColoursChanged()
{
    grid_.invalidateGrid();
}

bool GridEvents::wantsTab() const
{
    return true;
}
