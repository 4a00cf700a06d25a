#include "DataSource.h"

#include "Query.h"

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
    NotifyActiveChanged();
}

void TDataSource::AddLink(TDataLink* link)
{
    links_.push_back(link);
}

void TDataSource::RemoveLink(TDataLink* link)
{
    std::erase(links_, link);
}

void TDataSource::NotifyActiveChanged()
{
    for (TDataLink* link : std::vector<TDataLink*>(links_))
        link->ActiveChanged();
}

TDataLink::~TDataLink()
{
    SetDataSource(nullptr);
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
    ActiveChanged();
}

bool TDataLink::Active() const
{
    return DataSet() && DataSet()->Active();
}
