#include "DataSource.h"

TDataSource::~TDataSource()
{
    SetDataSet(nullptr);
    for (TDataLink* link : std::vector<TDataLink*>(links_))
        link->SetDataSource(nullptr);
}

void TDataSource::SetDataSet(DbQuery* dataSet)
{
    if (dataSet_ == dataSet)
        return;
    if (dataSet_)
        dataSet_->DetachDataSource(this);
    dataSet_ = dataSet;
    if (dataSet_)
        dataSet_->AttachDataSource(this);
    for (TDataLink* link : std::vector<TDataLink*>(links_)) {
        link->WindowOpened();
        link->ActiveChanged();
    }
}

void TDataSource::AddLink(TDataLink* link)
{
    links_.push_back(link);
}

void TDataSource::RemoveLink(TDataLink* link)
{
    std::erase(links_, link);
}

TDataLink::~TDataLink()
{
    if (dataSource_)
        dataSource_->RemoveLink(this);
}

void TDataLink::SetDataSource(TDataSource* source)
{
    if (dataSource_ == source)
        return;
    if (dataSource_)
        dataSource_->RemoveLink(this);
    dataSource_ = source;
    if (dataSource_)
        dataSource_->AddLink(this);
    WindowOpened();
    ActiveChanged();
}

bool TDataLink::Active() const
{
    return DataSet() && DataSet()->Active();
}

void TDataLink::SetBufferCount(int count)
{
    bufferCount_ = qMax(1, count);
    if (!Active())
        return;
    // Shrinking keeps the current record inside; growing fills after the
    // window, and before it at the end of the result set.
    const int n = RecordCount();
    const int current = DataSet()->CurrentRecordIndex();
    if (current >= first_ + n)
        first_ = current - n + 1;
    first_ = qBound(0, first_, DataSet()->RecordCount() - n);
}

int TDataLink::RecordCount() const
{
    return Active() ? qMin(bufferCount_, DataSet()->RecordCount()) : 0;
}

int TDataLink::ActiveRecord() const
{
    if (readingSlot_ >= 0)
        return readingSlot_;
    return Active() && DataSet()->RecordCount() > 0 ? DataSet()->CurrentRecordIndex() - first_ : 0;
}

void TDataLink::SetActiveRecord(int slot)
{
    DbQuery* dataSet = DataSet();
    if (!Active())
        return;
    if (slot == DataSet()->CurrentRecordIndex() - first_ || slot < 0 || slot >= RecordCount()) {
        readingSlot_ = -1;
        dataSet->ClearReadingRecord();
        return;
    }
    readingSlot_ = slot;
    dataSet->SetReadingRecord(first_ + slot);
}

void TDataLink::WindowOpened()
{
    first_ = 0;
    readingSlot_ = -1;
}

int TDataLink::WindowFollow(int record, bool centre)
{
    readingSlot_ = -1;
    const int n = RecordCount();
    if (n == 0)
        return 0;
    const int before = first_;
    if (centre)
        first_ = record - (n - 1) / 2;
    else if (record < first_)
        first_ = record;
    else if (record >= first_ + n)
        first_ = record - n + 1;
    first_ = qBound(0, first_, DataSet()->RecordCount() - n);
    return first_ - before;
}

void TDataLink::Deliver(TDataEvent event, DbField* field, int distance)
{
    switch (event) {
    case deActiveChanged: ActiveChanged(); break;
    case deDataSetChange: DataSetChanged(); break;
    case deRecordMoved: DataSetScrolled(distance); break;
    case deRecordChange: RecordChanged(field); break;
    case deLayoutChange: LayoutChanged(); break;
    case deUpdateState: EditingChanged(); break;
    case deFocusControl: FocusControl(field); break;
    case deUpdateRecord: UpdateData(); break;
    case deResetRecord: Reset(); break;
    }
}
