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
    count_ = 0;
    if (active_ && dataSet_ && dataSet_->active()) {
        const Field* counted = countedField_.isEmpty() ? nullptr : dataSet_->findField(countedField_);
        if (!counted)
            count_ = dataSet_->recordCount();
        else
            for (int record = 0; record < dataSet_->recordCount(); ++record)
                count_ += counted->isNull(record) ? 0 : 1;
    }
    if (changed)
        changed();
}
