// Batching the grid's layout passes.
#include "GridLayoutBatch.h"

#include "DataGrid.h"

#include <QScopeGuard>

void GridLayoutBatch::Lock()
{
    grid_.BeginUpdate();
    if (depth_ == 0)
        grid_.Columns().BeginUpdate();
    ++depth_;
}

void GridLayoutBatch::Unlock()
{
    if (depth_ == 0)
        return;
    const auto release = qScopeGuard([this] { Drop(); });
    if (depth_ == 1 && !grid_.Loading()) {
        ++passes_;
        grid_.RunLayoutPass();
    }
}

void GridLayoutBatch::Drop()
{
    if (depth_ == 0)
        return;
    if (depth_ == 1)
        grid_.Columns().EndUpdate();
    --depth_;
    grid_.EndUpdate();
}

bool GridLayoutBatch::TryLock()
{
    if (grid_.UpdateLocked() || depth_ != 0)
        return false;
    Lock();
    return true;
}

void GridLayoutBatch::Request()
{
    if (TryLock())
        Unlock();
}

void GridLayoutBatch::Defer()
{
    Queue();
    Drop();
}

void GridLayoutBatch::Queue()
{
    if (ControlWindow* window = grid_.Window())
        window->QueueLayout();
}

void GridLayoutBatch::QueuedArrived()
{
    if (TryLock())
        Unlock();
    else
        Queue();
}
