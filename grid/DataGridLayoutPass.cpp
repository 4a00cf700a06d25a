// The grid's layout pass.
#include "DataGrid.h"

#include <QScopeGuard>

void DataGrid::RunLayoutPass()
{
    if (Window())
        Window()->CancelQueuedLayout();
    BeginUpdate();
    const auto endUpdate = qScopeGuard([this] { EndUpdate(); });

    // Persistent columns replace default ones.
    bool defaultSeen = false;
    for (int i = 0; i < columns_.Count(); ++i) {
        if (columns_.Item(i).IsDefaultColumn()) {
            defaultSeen = true;
        } else if (defaultSeen) {
            for (int d = columns_.Count() - 1; d >= 0; --d)
                if (columns_.Item(d).IsDefaultColumn())
                    columns_.Delete(d);
            break;
        }
    }

    binding_.Rebuild();

    RebuildVisibleColumns();
    const int o = metrics_.IndicatorOffset();
    const int c = columns_.Count();
    int k = 0;
    for (int i = 0; i < c; ++i)
        if (!columns_.Item(i).Visible() && i < settings_.FrozenCols + k)
            ++k;
    while (settings_.FrozenCols + k < c && !columns_.Item(settings_.FrozenCols + k).Visible())
        ++k;
    const int v = visibleColumns_.Count();
    if (link_.Active() || columns_.PersistentState()) {
        const int baseFrozen = FrozenFixedCols();
        const int contra = qMax(0, qMin(ContraColCount(), c - baseFrozen - o));
        SetFrozenFixedCols(settings_.FrozenCols);
        SetColCount(qMax(1, c + o - contra));
        SetContraColCount(contra);
        SetFixedCols(qBound(0, o + settings_.FrozenCols + k - (v == 0 ? 1 : 0), ColCount() - 1));
    } else {
        SetFrozenFixedCols(0);
        SetColCount(qMax(1, c + o));
        SetContraColCount(0);
        SetFixedCols(qBound(0, o + k - (v == 0 ? 1 : 0), ColCount() - 1));
    }
    metrics_.FitRowHeightToText(settings_);
    metrics_.NoteMultiLineRows();
    ApplyScrollBarSettings();
    ApplyColumnWidths();
    link_.Size();
    link_.SyncCurrentRow();
    InvalidateGrid();
    // Grey lines between fixed cells when flat, black otherwise.
    lineColours_.SetFixedLineColor(appearance_.Flat ? QColor(128, 128, 128) : QColor(0, 0, 0));
    if (sumsStale_) {
        sumsStale_ = false;
        sumList_.RecalculateAll();
    }
}
