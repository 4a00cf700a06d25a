// Batching the grid's layout passes.
#include "GridLayoutBatch.h"

#include "DataGrid.h"

#include <QScopeGuard>

void GridLayoutBatch::lock()
{
    grid_.beginUpdate();
    if (depth_ == 0)
        grid_.columns().beginUpdate();
    ++depth_;
}

void GridLayoutBatch::unlock()
{
    if (depth_ == 0)
        return;
    const auto release = qScopeGuard([this] { drop(); });
    if (depth_ == 1 && !grid_.loading()) {
        ++passes_;
        grid_.runLayoutPass();
    }
}

void GridLayoutBatch::drop()
{
    if (depth_ == 0)
        return;
    if (depth_ == 1)
        grid_.columns().endUpdate();
    --depth_;
    grid_.endUpdate();
}

bool GridLayoutBatch::tryLock()
{
    if (grid_.updateLocked() || depth_ != 0)
        return false;
    lock();
    return true;
}

void GridLayoutBatch::request()
{
    if (tryLock())
        unlock();
}

void GridLayoutBatch::defer()
{
    queue();
    drop();
}

void GridLayoutBatch::queue()
{
    if (ControlWindow* window = grid_.window())
        window->queueLayout();
}

void GridLayoutBatch::queuedArrived()
{
    if (tryLock())
        unlock();
    else
        queue();
}
