#include "SumList.h"

#include "db/Query.h"

void SumList::setActive(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    recalculateAll();
}

void SumList::recalculateAll()
{
    if (ownerLoading && ownerLoading())
        return;
    count_ = active_ && dataSet_ && dataSet_->active() ? dataSet_->recordCount() : 0;
    if (changed)
        changed();
}
