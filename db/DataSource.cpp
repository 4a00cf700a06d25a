#include "DataSource.h"

DataSource::~DataSource()
{
    setDataSet(nullptr);
    for (DataLink* link : std::vector<DataLink*>(links_))
        link->setDataSource(nullptr);
}

void DataSource::setDataSet(Query* dataSet)
{
    if (dataSet_ == dataSet)
        return;
    if (dataSet_)
        dataSet_->detachDataSource(this);
    dataSet_ = dataSet;
    if (dataSet_)
        dataSet_->attachDataSource(this);
    for (DataLink* link : std::vector<DataLink*>(links_)) {
        link->windowOpened();
        link->activeChanged();
    }
}

void DataSource::addLink(DataLink* link)
{
    links_.push_back(link);
}

void DataSource::removeLink(DataLink* link)
{
    std::erase(links_, link);
}

DataLink::~DataLink()
{
    if (dataSource_)
        dataSource_->removeLink(this);
}

void DataLink::setDataSource(::DataSource* source)
{
    if (dataSource_ == source)
        return;
    if (dataSource_)
        dataSource_->removeLink(this);
    dataSource_ = source;
    if (dataSource_)
        dataSource_->addLink(this);
    windowOpened();
    activeChanged();
}

bool DataLink::active() const
{
    return dataSet() && dataSet()->active();
}

void DataLink::setBufferCount(int count)
{
    bufferCount_ = qMax(1, count);
    if (!active())
        return;
    // Shrinking keeps the current record inside; growing fills after the
    // window, and before it at the end of the result set.
    const int n = recordCount();
    const int current = dataSet()->currentRecordIndex();
    if (current >= first_ + n)
        first_ = current - n + 1;
    first_ = qBound(0, first_, dataSet()->recordCount() - n);
}

int DataLink::recordCount() const
{
    return active() ? qMin(bufferCount_, dataSet()->recordCount()) : 0;
}

int DataLink::activeRecord() const
{
    return active() && dataSet()->recordCount() > 0 ? dataSet()->currentRecordIndex() - first_ : 0;
}

int DataLink::windowFollow(int record)
{
    const int n = recordCount();
    if (n == 0)
        return 0;
    const int before = first_;
    if (record < first_)
        first_ = record;
    else if (record >= first_ + n)
        first_ = record - n + 1;
    first_ = qBound(0, first_, dataSet()->recordCount() - n);
    return first_ - before;
}

void DataLink::deliver(DataEvent event, int distance)
{
    switch (event) {
    case DataEvent::ActiveChanged: activeChanged(); break;
    case DataEvent::DataSetChange: dataSetChanged(); break;
    case DataEvent::RecordMoved: dataSetScrolled(distance); break;
    }
}
