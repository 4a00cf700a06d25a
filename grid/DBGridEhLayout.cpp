// The data grid and its result set: layout locks and the layout pass, the
// field map, the record window, the link's notifications, the vertical bar.
#include "DBGridEh.h"

#include "db/Query.h"

namespace {

constexpr int kMaxMappedColumns = 268435455;

} // namespace

// --- locks ---------------------------------------------------------------------------

void TCustomDBGridEh::LockLayout()
{
    TakeUpdateLock();
    if (layoutLock_ == 0)
        columns_.BeginUpdate();
    ++layoutLock_;
}

void TCustomDBGridEh::UnlockLayout()
{
    if (layoutLock_ == 0)
        return;
    struct Release {
        TCustomDBGridEh& grid;
        ~Release()
        {
            if (grid.layoutLock_ == 1)
                grid.columns_.EndUpdate();
            --grid.layoutLock_;
            grid.ReleaseUpdateLock();
        }
    } release{*this};
    if (layoutLock_ == 1)
        RunLayoutPass();
}

void TCustomDBGridEh::DropLayoutLock()
{
    if (layoutLock_ == 0)
        return;
    if (layoutLock_ == 1)
        columns_.EndUpdate();
    --layoutLock_;
    ReleaseUpdateLock();
}

bool TCustomDBGridEh::AcquireLayoutLock()
{
    if (updateLock_ != 0 || layoutLock_ != 0)
        return false;
    LockLayout();
    return true;
}

void TCustomDBGridEh::RequestLayout()
{
    if (AcquireLayoutLock())
        UnlockLayout();
}

void TCustomDBGridEh::PostLayout()
{
    if (Window() && !Window()->MessagePending(kLayoutMessage))
        Window()->PostMessage(kLayoutMessage);
    DropLayoutLock();
}

void TCustomDBGridEh::HandleLayoutMessage()
{
    if (AcquireLayoutLock())
        UnlockLayout();
    else if (Window() && !Window()->MessagePending(kLayoutMessage))
        Window()->PostMessage(kLayoutMessage);
}

// --- the field map -------------------------------------------------------------------

DbField* TCustomDBGridEh::MappedField(int dataColumn) const
{
    if (dataColumn < 0 || dataColumn >= FieldMapCount() || fieldMap_[size_t(dataColumn)] < 0 || !DataSet())
        return nullptr;
    return &DataSet()->Field(fieldMap_[size_t(dataColumn)]);
}

void TCustomDBGridEh::ClearFieldMap()
{
    // The fields stay watched: when they go, the grid hears of it.
    fieldMap_.clear();
    fieldMap_.shrink_to_fit();
}

void TCustomDBGridEh::AddFieldMapping(const QString& name)
{
    if (FieldMapCount() >= kMaxMappedColumns)
        throw EInvalidGridOperationEh(u"Grid requested to display more than 256 columns"_qs);
    DbField* field = sparseMap_ ? DataSet()->FindField(name) : &DataSet()->FieldByName(name);
    if (fieldMap_.size() == fieldMap_.capacity())
        fieldMap_.reserve(qMin<size_t>(kMaxMappedColumns, qMax<size_t>(fieldMap_.empty() ? 8 : fieldMap_.capacity() * 2,
                                                                      fieldMap_.size() + 1)));
    fieldMap_.push_back(field ? field->Index() : -1);
    if (field && std::find(watchedFields_.begin(), watchedFields_.end(), field) == watchedFields_.end()) {
        field->AddWatcher(this);
        watchedFields_.push_back(field);
    }
}

void TCustomDBGridEh::DefineFieldMap()
{
    DbQuery* dataSet = DataSet();
    sparseMap_ = columns_.PersistentState();
    if (sparseMap_) {
        for (int i = 0; i < columns_.Count(); ++i)
            AddFieldMapping(columns_.Item(i).FieldName());
        return;
    }
    for (int i = 0; i < dataSet->FieldCount(); ++i)
        if (dataSet->Field(i).Visible())
            AddFieldMapping(dataSet->Field(i).FieldName());
}

void TCustomDBGridEh::FieldDestroyed(DbField* field)
{
    std::erase(watchedFields_, field);
    LockLayout();
    bool bound = false;
    for (int i = 0; i < columns_.Count(); ++i)
        if (columns_.Item(i).BoundField() == field) {
            columns_.Item(i).BindField(nullptr);
            bound = true;
        }
    if (bound && DataSet() && !DataSet()->ControlsDisabled())
        UnlockLayout();
    else
        PostLayout();
}

void TCustomDBGridEh::BuildDefaultColumns()
{
    bool generated = !DataSet() || DataSet()->FieldsCreatedOnOpen();
    if (sparseMap_ && std::find(fieldMap_.begin(), fieldMap_.end(), -1) != fieldMap_.end())
        generated = false;
    // Columns whose field is gone go; without an open result set, all of them.
    for (int i = columns_.Count() - 1; i >= 0; --i) {
        if (!link_.Active() && generated) {
            columns_.Delete(i);
            continue;
        }
        DbField* field = columns_.Item(i).BoundField();
        bool mapped = false;
        for (int m = 0; m < FieldMapCount() && !mapped; ++m)
            mapped = field && MappedField(m) == field;
        if (!mapped)
            columns_.Delete(i);
    }
    int n = FieldMapCount();
    if (n == 0 && columns_.Count() == 0)
        n = 1;
    for (int i = 0; i < n; ++i) {
        DbField* field = MappedField(i);
        int at = -1;
        for (int c = i; c < columns_.Count() && field && at < 0; ++c)
            if (columns_.Item(c).BoundField() == field)
                at = c;
        if (at < 0) {
            TColumnEh& column = columns_.AddDefault();
            if (field)
                column.BindField(field);
            at = columns_.Count() - 1;
        }
        if (at != i)
            columns_.Move(at, i);
    }
}

// --- the layout pass -------------------------------------------------------------------

void TCustomDBGridEh::RunLayoutPass()
{
    if (loading_)
        return;
    if (Window())
        Window()->RemoveMessage(kLayoutMessage);
    ++layoutPasses_;
    BeginUpdate();
    struct EndBracket {
        TCustomGridEh& grid;
        ~EndBracket() { grid.EndUpdate(); }
    } endBracket{*this};

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

    ClearFieldMap();
    if (link_.Active())
        DefineFieldMap();
    if (columns_.PersistentState())
        columns_.DropFields();
    else
        BuildDefaultColumns();

    RebuildVisibleColumns();
    const int o = IndicatorOffset();
    const int c = columns_.Count();
    int k = 0;
    for (int i = 0; i < c; ++i)
        if (!columns_.Item(i).Visible() && i < frozenCols_ + k)
            ++k;
    while (frozenCols_ + k < c && !columns_.Item(frozenCols_ + k).Visible())
        ++k;
    const int v = visibleColumns_.Count();
    if (link_.Active() || columns_.PersistentState()) {
        const int baseFrozen = TCustomGridEh::FrozenCols();
        const int contra = qMax(0, qMin(ContraColCount(), c - baseFrozen - o));
        TCustomGridEh::SetFrozenCols(frozenCols_);
        SetColCount(qMax(1, c + o - contra));
        SetContraColCount(contra);
        TCustomGridEh::SetFixedCols(qBound(0, o + frozenCols_ + k - (v == 0 ? 1 : 0), ColCount() - 1));
    } else {
        TCustomGridEh::SetFrozenCols(0);
        SetColCount(qMax(1, c + o));
        SetContraColCount(0);
        TCustomGridEh::SetFixedCols(qBound(0, o + k - (v == 0 ? 1 : 0), ColCount() - 1));
    }
    ApplyColumnWidths();
    SizeRecordWindow();
    SyncCurrentRow();
    InvalidateGrid();
    ApplyFixedLineColour();
}

// --- the record window -------------------------------------------------------------------

void TCustomDBGridEh::SizeRecordWindow()
{
    const int t = TopDataOffset();
    const int rowsBefore = RowCount();
    if (t >= RowCount())
        SetRowCount(t + 1);
    TCustomGridEh::SetFixedRows(t);
    const int dataRow = DataRowHeight();
    SetDefaultRowHeight(dataRow);
    if (options_.Has(dgTitles))
        TCustomGridEh::SetRowHeight(0, TitleRowHeight());
    if (link_.Active() && link_.RecordCount() >= 1 && Window()) {
        link_.SetBufferCount(DataRowsThatFit());
        SetRowCount(link_.RecordCount() + t);
        SetContraRowCount(qMax(0, footerRowCount_));
        SyncCurrentRow();
    } else {
        SetRowCount(t + 1);
        SetContraRowCount(qMax(0, footerRowCount_));
    }
    if (RowCount() != rowsBefore)
        InvalidateGrid();
}

void TCustomDBGridEh::SyncCurrentRow()
{
    if (!link_.Active() || !Window() || loading_)
        return;
    const int row = link_.ActiveRecord() + TopDataOffset();
    if (row != Current().Row && row < RowCount())
        SetCurrent({Current().Col, row});
}

void TCustomDBGridEh::SelectSlotForReading(int slot)
{
    if (savedSlot_ < 0)
        savedSlot_ = link_.ActiveRecord();
    link_.SetActiveRecord(slot);
}

void TCustomDBGridEh::RestoreSlot()
{
    if (savedSlot_ < 0)
        return;
    link_.SetActiveRecord(savedSlot_);
    savedSlot_ = -1;
}

int TCustomDBGridEh::RecordNumberOfSlot(int slot)
{
    if (!link_.Active())
        return 0;
    SelectSlotForReading(slot);
    struct Restore {
        TCustomDBGridEh& grid;
        ~Restore() { grid.RestoreSlot(); }
    } restore{*this};
    return link_.FirstRecord() + slot + 1;
}

// --- what the result set tells the grid -----------------------------------------------------

void TCustomDBGridEh::GridLink::ActiveChanged()
{
    grid_.ActiveStateChanged(Active());
}

void TCustomDBGridEh::GridLink::DataSetChanged()
{
    grid_.WindowContentChanged();
}

void TCustomDBGridEh::GridLink::DataSetScrolled(int distance)
{
    grid_.RecordMoved(distance);
}

void TCustomDBGridEh::GridLink::RecordChanged(DbField* field)
{
    grid_.CurrentRecordChanged(field);
}

void TCustomDBGridEh::GridLink::LayoutChanged()
{
    grid_.layoutAnnounced_ = true;
    grid_.RequestLayout();
    grid_.layoutAnnounced_ = false;
}

void TCustomDBGridEh::GridLink::EditingChanged()
{
    if (grid_.options_.Has(dgIndicator) && grid_.indicatorRow_ >= 0)
        grid_.InvalidateCell(0, grid_.indicatorRow_);
}

void TCustomDBGridEh::ActiveStateChanged(bool open)
{
    Q_UNUSED(open);
    sumList_.SetDataSet(DataSet());
    RequestLayout();
    UpdateVertScrollBar();
    columns_.DropFields();
}

void TCustomDBGridEh::WindowContentChanged()
{
    if (!Window())
        return;
    SizeRecordWindow();
    UpdateVertScrollBar();
    SyncCurrentRow();
    InvalidateGrid();
}

QRect TCustomDBGridEh::RowBox(int row) const
{
    const QRect cells = RangeBounds(0, ColCount() + ContraColCount() - 1, row, row, true);
    if (cells.isEmpty() || !Window())
        return QRect();
    return QRect(0, cells.top(), Window()->ClientSize().width(), cells.height());
}

void TCustomDBGridEh::RecordMoved(int distance)
{
    TControlWindow* window = Window();
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
        if (qAbs(distance) > rows) {
            InvalidateGrid();
        } else {
            if (options_.Has(dgIndicator) && indicatorRow_ >= 0)
                InvalidateRow(indicatorRow_);
            const int line = options_.Has(dgRowLines) ? GridLineWidth() : 0;
            const QRect area = RangeBounds(0, ColCount() - 1, t, RowCount() - 1, true);
            if (!area.isEmpty())
                window->ScrollRect(QRect(0, area.top(), window->ClientSize().width(), area.height()), 0,
                                   -distance * (DefaultRowHeight() + line));
            if (options_.Has(dgIndicator))
                InvalidateRow(Current().Row);
        }
    }
    for (int row = RowCount(); row < RowCount() + ContraRowCount(); ++row)
        InvalidateRow(row);
    if (updateLock_ == 0)
        window->FlushPaint();
}

void TCustomDBGridEh::CurrentRecordChanged(DbField* field)
{
    if (!Window())
        return;
    if (!field) {
        InvalidateGrid();
        return;
    }
    for (int i = 0; i < columns_.Count(); ++i)
        if (columns_.Item(i).BoundField() == field)
            InvalidateCell(i + IndicatorOffset(), Current().Row);
}

// --- the vertical bar ---------------------------------------------------------------------

void TCustomDBGridEh::UpdateVertScrollBar()
{
    if (!Window())
        return;
    DbQuery* dataSet = DataSet();
    if (sumList_.HasRecordNumbers()) {
        const int page = qMax(0, RowCount() - TopDataOffset());
        SetVertScrollBarValues({1, sumList_.CountRecords() + page - 1, page, sumList_.GetRecordNumber()});
        return;
    }
    const int position = !dataSet || dataSet->Bof() ? 0 : dataSet->Eof() ? 4 : 2;
    SetVertScrollBarValues({0, 4, 0, position});
}

void TCustomDBGridEh::HandleVertScroll(TScrollCodeEh code, int position)
{
    if (Window() && Window()->CanFocus())
        Window()->SetFocus();
    DbQuery* dataSet = DataSet();
    if (!link_.Active() || !dataSet)
        return;
    const int rows = RowCount() - TopDataOffset();
    switch (code) {
    case scLineUp: dataSet->MoveBy(-(link_.ActiveRecord() + 1)); break;
    case scLineDown: dataSet->MoveBy(link_.RecordCount() - link_.ActiveRecord()); break;
    case scPageUp: dataSet->MoveBy(-rows); break;
    case scPageDown: dataSet->MoveBy(rows); break;
    case scTop: dataSet->First(); break;
    case scBottom: dataSet->Last(); break;
    case scTrack:
        if (VertScrollBar.Tracking) {
            dataSet->MoveBy(position - dataSet->RecNo());
            ignoreThumbPosition_ = true;
        }
        break;
    case scPosition:
        if (ignoreThumbPosition_) {
            ignoreThumbPosition_ = false;
            break;
        }
        if (sumList_.HasRecordNumbers()) {
            if (position <= 1)
                dataSet->First();
            else if (position < sumList_.CountRecords())
                sumList_.SetRecordNumber(position);
            else
                dataSet->Last();
        } else {
            switch (position) {
            case 0: dataSet->First(); break;
            case 1: dataSet->MoveBy(-rows); break;
            case 3: dataSet->MoveBy(rows); break;
            case 4: dataSet->Last(); break;
            default: break;
            }
        }
        break;
    case scEndScroll: break;
    }
}
