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

    const int o = metrics_.indicatorOffset();
    const int c = columns_.count();
    // Without columns the one grid column left is the indicator's, which cannot be fixed.
    const int frozen = c > 0 ? settings_.frozenCols : 0;
    setFrozenFixedCols(frozen);
    setColCount(qMax(1, c + o));
    setFixedCols(qBound(0, o + frozen - (c == 0 ? 1 : 0), colCount() - 1));
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
