// The data grid and its result set: layout locks and the layout pass, the
// record window, the link's notifications, the vertical bar.
#include "DataGrid.h"

#include "db/Query.h"

#include <QScopeGuard>

using namespace Qt::StringLiterals;

namespace {

// Without a result set the vertical bar has five positions, at the first.
enum UnnumberedBar { kFirst, kLast = 4 };

} // namespace

// --- locks ---------------------------------------------------------------------------

void DataGrid::LockLayout()
{
    BeginUpdate();
    if (layoutLock_ == 0)
        columns_.BeginUpdate();
    ++layoutLock_;
}

void DataGrid::UnlockLayout()
{
    if (layoutLock_ == 0)
        return;
    // The locks go also when the pass fails.
    const auto release = qScopeGuard([this] { DropLayoutLock(); });
    if (layoutLock_ == 1)
        RunLayoutPass();
}

void DataGrid::DropLayoutLock()
{
    if (layoutLock_ == 0)
        return;
    if (layoutLock_ == 1)
        columns_.EndUpdate();
    --layoutLock_;
    EndUpdate();
}

bool DataGrid::AcquireLayoutLock()
{
    if (UpdateLocked() || layoutLock_ != 0)
        return false;
    LockLayout();
    return true;
}

void DataGrid::RequestLayout()
{
    if (AcquireLayoutLock())
        UnlockLayout();
}

void DataGrid::DeferLayout()
{
    QueueLayoutPass();
    DropLayoutLock();
}

void DataGrid::QueueLayoutPass()
{
    if (Window())
        Window()->QueueLayout();
}

void DataGrid::QueuedLayout()
{
    if (AcquireLayoutLock())
        UnlockLayout();
    else
        QueueLayoutPass();
}

// --- the layout pass -------------------------------------------------------------------

void DataGrid::RunLayoutPass()
{
    if (Loading())
        return;
    if (Window())
        Window()->CancelQueuedLayout();
    ++layoutPasses_;
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
    const int o = IndicatorOffset();
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
    FitRowHeightToText();
    NoteMultiLineRows();
    ApplyScrollBarSettings();
    ApplyColumnWidths();
    SizeRecordWindow();
    SyncCurrentRow();
    InvalidateGrid();
    ApplyFixedLineColour();
    if (sumsStale_) {
        sumsStale_ = false;
        sumList_.RecalculateAll();
    }
}

// --- the record window -------------------------------------------------------------------

void DataGrid::SizeRecordWindow()
{
    const int t = TopDataOffset();
    const int rowsBefore = RowCount();
    if (t >= RowCount())
        SetRowCount(t + 1);
    SetFixedRows(t);
    const int dataRow = DataRowHeight();
    SetDefaultRowHeight(dataRow);
    if (options_.Has(Option::Titles))
        CellGrid::SetRowHeight(0, TitleRowHeight());
    if (link_.Active() && link_.RecordCount() >= 1 && Window()) {
        link_.SetBufferCount(DataRowsThatFit());
        SetRowCount(link_.RecordCount() + t);
        SetContraRowCount(qMax(0, settings_.FooterRowCount));
        SyncCurrentRow();
    } else {
        SetRowCount(t + 1);
        SetContraRowCount(qMax(0, settings_.FooterRowCount));
    }
    if (RowCount() != rowsBefore)
        InvalidateGrid();
}

void DataGrid::SyncCurrentRow()
{
    if (!link_.Active() || !Window() || Loading())
        return;
    const int row = link_.ActiveRecord() + TopDataOffset();
    if (row != Current().Row && row < RowCount()) {
        // The editor belongs to the record it was opened on.
        if (!options_.Has(Option::AlwaysShowEditor))
            HideEditor();
        SetCurrent({Current().Col, row});
    }
    RefreshEditor();
}

// --- what the result set tells the grid -----------------------------------------------------

void DataGrid::GridLink::ActiveChanged()
{
    grid_.ActiveStateChanged(Active());
}

void DataGrid::GridLink::DataSetChanged()
{
    grid_.WindowContentChanged();
}

void DataGrid::GridLink::DataSetScrolled(int distance)
{
    grid_.RecordMoved(distance);
}

void DataGrid::GridLink::LayoutChanged()
{
    grid_.layoutAnnounced_ = true;
    grid_.RequestLayout();
    grid_.layoutAnnounced_ = false;
}

void DataGrid::ActiveStateChanged(bool open)
{
    sumList_.SetDataSet(DataSet());
    sumsStale_ = true;
    // A closed result is laid out later: a search, which opens it again at
    // once, costs one pass.
    if (open || !Window())
        RequestLayout();
    else
        QueueLayoutPass();
    UpdateVertScrollBar();
    // Persistent columns follow the fields of the new opening, or let go of the old ones.
    if (columns_.PersistentState())
        columns_.BindFieldsByName();
}

void DataGrid::WindowContentChanged()
{
    if (!Window())
        return;
    SizeRecordWindow();
    UpdateVertScrollBar();
    SyncCurrentRow();
    InvalidateGrid();
}

QRect DataGrid::RowBox(int row) const
{
    const QRect cells = RangeBounds(0, ColCount() + ContraColCount() - 1, row, row, true);
    if (cells.isEmpty() || !Window())
        return QRect();
    return QRect(0, cells.top(), Window()->ClientSize().width(), cells.height());
}

void DataGrid::RecordMoved(int distance)
{
    ControlWindow* window = Window();
    if (!window)
        return;
    const int t = TopDataOffset();
    const QRect oldBox = RowBox(Current().Row);
    if (link_.ActiveRecord() >= RowCount() - t)
        SizeRecordWindow();
    UpdateVertScrollBar();
    SyncCurrentRow();
    const QRect newBox = RowBox(Current().Row);
    if (!oldBox.isEmpty())
        window->Invalidate(oldBox);
    if (!newBox.isEmpty())
        window->Invalidate(newBox);
    if (distance != 0) {
        const int rows = RowCount() - t;
        // Beyond a screenful everything is repainted, and that is all.
        if (qAbs(distance) > rows) {
            InvalidateGrid();
            return;
        }
        if (options_.Has(Option::Indicator) && IndicatorRow() >= 0)
            InvalidateRow(IndicatorRow());
        const int line = options_.Has(Option::RowLines) ? GridLineWidth() : 0;
        const QRect area = RangeBounds(0, ColCount() - 1, t, RowCount() - 1, true);
        if (!area.isEmpty())
            window->ScrollRect(QRect(0, area.top(), window->ClientSize().width(), area.height()), 0,
                               -distance * (DefaultRowHeight() + line));
        if (options_.Has(Option::Indicator))
            InvalidateRow(Current().Row);
        // The first row shown may now repeat nothing: hidden duplicates show again.
        for (int i = 0; i < columns_.Count(); ++i)
            if (columns_.Item(i).HideDuplicates) {
                InvalidateRow(t);
                break;
            }
    }
    for (int row = RowCount(); row < RowCount() + ContraRowCount(); ++row)
        InvalidateRow(row);
    if (!UpdateLocked())
        window->FlushPaint();
}

// --- the vertical bar ---------------------------------------------------------------------

void DataGrid::UpdateVertScrollBar()
{
    if (!Window())
        return;
    const Query* dataSet = DataSet();
    if (!dataSet) {
        SetVertScrollBarValues({kFirst, kLast, 0, kFirst});
        return;
    }
    const int page = qMax(0, RowCount() - TopDataOffset());
    SetVertScrollBarValues({1, dataSet->RecordCount() + page - 1, page, dataSet->RecNo()});
}

void DataGrid::HandleVertScroll(ScrollCode code, int position)
{
    // A grid that cannot take the focus takes no scroll requests either.
    if (!Window() || !Window()->CanFocus())
        return;
    Window()->SetFocus();
    Query* dataSet = DataSet();
    if (!link_.Active() || !dataSet)
        return;
    const int rows = RowCount() - TopDataOffset();
    switch (code) {
    case ScrollCode::LineUp: dataSet->MoveBy(-(link_.ActiveRecord() + 1)); break;
    case ScrollCode::LineDown: dataSet->MoveBy(link_.RecordCount() - link_.ActiveRecord()); break;
    case ScrollCode::PageUp: dataSet->MoveBy(-rows); break;
    case ScrollCode::PageDown: dataSet->MoveBy(rows); break;
    case ScrollCode::Top: dataSet->First(); break;
    case ScrollCode::Bottom: dataSet->Last(); break;
    case ScrollCode::Track:
        if (VertScrollBar.Tracking) {
            dataSet->MoveBy(position - dataSet->RecNo());
            ignoreThumbPosition_ = true;
        }
        break;
    case ScrollCode::Position:
        if (ignoreThumbPosition_) {
            ignoreThumbPosition_ = false;
            break;
        }
        if (position <= 1)
            dataSet->First();
        else if (position < dataSet->RecordCount())
            dataSet->SetRecNo(position);
        else
            dataSet->Last();
        break;
    case ScrollCode::EndScroll: break;
    }
}
