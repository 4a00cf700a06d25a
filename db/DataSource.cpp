#include "DataSource.h"

DataSource::~DataSource()
{
    SetDataSet(nullptr);
    for (DataLink* link : std::vector<DataLink*>(links_))
        link->SetDataSource(nullptr);
}

void DataSource::SetDataSet(Query* dataSet)
{
    if (dataSet_ == dataSet)
        return;
    if (dataSet_)
        dataSet_->DetachDataSource(this);
    dataSet_ = dataSet;
    if (dataSet_)
        dataSet_->AttachDataSource(this);
    for (DataLink* link : std::vector<DataLink*>(links_)) {
        link->WindowOpened();
        link->ActiveChanged();
    }
}

void DataSource::AddLink(DataLink* link)
{
    links_.push_back(link);
}

void DataSource::RemoveLink(DataLink* link)
{
    std::erase(links_, link);
}

DataLink::~DataLink()
{
    if (dataSource_)
        dataSource_->RemoveLink(this);
}

void DataLink::SetDataSource(::DataSource* source)
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

bool DataLink::Active() const
{
    return DataSet() && DataSet()->Active();
}

void DataLink::SetBufferCount(int count)
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

int DataLink::RecordCount() const
{
    return Active() ? qMin(bufferCount_, DataSet()->RecordCount()) : 0;
}

int DataLink::ActiveRecord() const
{
    return Active() && DataSet()->RecordCount() > 0 ? DataSet()->CurrentRecordIndex() - first_ : 0;
}

int DataLink::WindowFollow(int record)
{
    const int n = RecordCount();
    if (n == 0)
        return 0;
    const int before = first_;
    if (record < first_)
        first_ = record;
    else if (record >= first_ + n)
        first_ = record - n + 1;
    first_ = qBound(0, first_, DataSet()->RecordCount() - n);
    return first_ - before;
}

void DataLink::Deliver(DataEvent event, int distance)
{
    switch (event) {
    case DataEvent::ActiveChanged: ActiveChanged(); break;
    case DataEvent::DataSetChange: DataSetChanged(); break;
    case DataEvent::RecordMoved: DataSetScrolled(distance); break;
    case DataEvent::LayoutChange: LayoutChanged(); break;
    }
}
