// The grid's layout pass.
#include "DataGrid.h"

#include <QScopeGuard>

void DataGrid::runLayoutPass()
{
    if (window())
        window()->cancelQueuedLayout();
    beginUpdate();
    const auto endUpdate = qScopeGuard([this] { this->endUpdate(); });

    binding_.rebuild();

    rebuildVisibleColumns();
    const int o = metrics_.indicatorOffset();
    const int c = columns_.count();
    int k = 0;
    for (int i = 0; i < c; ++i)
        if (!columns_.item(i).visible() && i < settings_.frozenCols + k)
            ++k;
    while (settings_.frozenCols + k < c && !columns_.item(settings_.frozenCols + k).visible())
        ++k;
    const int v = visibleColumns_.count();
    if (link_.active() || columns_.count() > 0) {
        setFrozenFixedCols(settings_.frozenCols);
        setColCount(qMax(1, c + o));
        setFixedCols(qBound(0, o + settings_.frozenCols + k - (v == 0 ? 1 : 0), colCount() - 1));
    } else {
        setFrozenFixedCols(0);
        setColCount(qMax(1, c + o));
        setFixedCols(qBound(0, o + k - (v == 0 ? 1 : 0), colCount() - 1));
    }
    applyScrollBarSettings();
    applyColumnWidths();
    link_.size();
    link_.syncCurrentRow();
    invalidateGrid();
    if (sumsStale_) {
        sumsStale_ = false;
        sumList_.recalculateAll();
    }
}
