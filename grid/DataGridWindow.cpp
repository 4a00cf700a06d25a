// What the data grid's window tells it: size changes, the deferred layout
// message, scroll requests, the wheel, focus and system colours; and the
// window's creation and the end of loading.
#include "DataGrid.h"
#include "GridStyle.h"

#include "db/Query.h"

#include <QScopeGuard>

namespace {

// The wheel turns by notches of this many eighths of a degree.
constexpr int kWheelNotch = 120;

} // namespace

void DataGrid::WindowCreated()
{
    if (LayoutLock() == 0) {
        SizeRecordWindow();
        SyncCurrentRow();
    }
    UpdateVertScrollBar();
}

void DataGrid::Loaded()
{
    loading_ = false;
    ApplyBaseOptions();
    if (columns_.Count() > 0)
        SetColCount(columns_.Count());
    RebuildSortColumns();
    if (DataSource())
        sumList_.RecalculateAll();
    RequestLayout();
    DeferLayout();
}

void DataGrid::Resized()
{
    CellGrid::Resized();
    if (UpdateLocked()) {
        sizeChangedWhileLocked_ = true;
        return;
    }
    SizeRecordWindow();
    UpdateVertScrollBar();
}

void DataGrid::ScrollRequest(ScrollBarKind bar, ScrollCode code, int position)
{
    if (bar == ScrollBarKind::Vertical) {
        HandleVertScroll(code, position);
        return;
    }
    // With tracking the grid follows the thumb while it is dragged.
    if (code == ScrollCode::Track && HorzScrollBar.Tracking)
        code = ScrollCode::Position;
    HandleScrollMessage(Axis::Columns, code, position);
}

void DataGrid::Wheel(int delta, Qt::KeyboardModifiers, const QPoint&)
{
    wheelRest_ += delta;
    const int notches = wheelRest_ / kWheelNotch;
    wheelRest_ %= kWheelNotch;
    // A notch down moves one record forward.
    if (notches != 0 && link_.Active())
        DataSet()->MoveBy(-notches);
}

void DataGrid::FocusIn()
{
    InvalidateRow(Current().Row);
}

void DataGrid::FocusOut()
{
    InvalidateRow(Current().Row);
}

void DataGrid::SystemColoursChanged(int bitsPerPixel)
{
    GridStyle::Instance().ReadDisplay(bitsPerPixel);
    InvalidateGrid();
}

void DataGrid::CatchUpResize()
{
    if (!UpdateLocked() && sizeChangedWhileLocked_) {
        sizeChangedWhileLocked_ = false;
        Resized();
    }
}
