#include "SumList.h"

#include "db/DataSource.h"
#include "db/Field.h"
#include "platform/Errors.h"

#include <QScopeGuard>
#include <cmath>

using namespace Qt::StringLiterals;

FixedPoint ToFixedPoint(double value)
{
    const double product = value * kFixedOne;
    // 2^63 ten-thousandths and beyond do not fit; nor does what is not a number.
    if (!(std::fabs(product) < 9223372036854775808.0))
        throw Exception(u"The value %1 is too large for a footer"_s.arg(value, 0, 'g', 17));
    // The exact value is the product plus its rounding error.
    const double error = std::fma(value, double(kFixedOne), -product);
    if (error == 0)
        return FixedPoint(std::nearbyint(product));  // ties to even
    // From 2^52 on the product is whole, and the error says how far off it is.
    if (std::fabs(product) >= 4503599627370496.0)
        return FixedPoint(product) + FixedPoint(std::nearbyint(error));
    // Below, the error is too small to cross a half: it decides only a product on a half.
    if (std::fabs(product - std::trunc(product)) == 0.5)
        return FixedPoint(error > 0 ? std::ceil(product) : std::floor(product));
    return FixedPoint(std::nearbyint(product));
}

namespace {

// Adds to a running total; a total beyond the fixed point is the error a
// single value beyond it gives.
void AddToTotal(FixedPoint& total, FixedPoint value)
{
    FixedPoint sum = 0;
    if (__builtin_add_overflow(total, value, &sum))
        throw Exception(u"The value %1 is too large for a footer"_s.arg(FromFixedPoint(total) + FromFixedPoint(value), 0,
                                                                         'g', 17));
    total = sum;
}

// Runs an action for every item that counts, with its field (null for a count
// of every record); a name the data set lacks raises its field-not-found error.
template <typename Action>
void ForEachCountingItem(SumItems& sums, Query& dataSet, Action action)
{
    for (int i = 0; i < sums.Count(); ++i) {
        SumItem& sum = sums.Item(i);
        if (sum.Counts())
            action(sum, sum.FieldName().isEmpty() ? nullptr : &dataSet.FieldByName(sum.FieldName()));
    }
}

} // namespace

// --- items -------------------------------------------------------------------------

void SumItem::SetFieldName(const QString& name)
{
    if (name == fieldName_)
        return;
    fieldName_ = name;
    owner_.SumCollection().Changed();
}

void SumItem::SetGroupOperation(SumItem::Operation operation)
{
    if (operation == operation_)
        return;
    operation_ = operation;
    owner_.SumCollection().Changed();
}

SumItem& SumItems::Add()
{
    items_.push_back(std::make_unique<SumItem>(owner_));
    Changed();
    return *items_.back();
}

void SumItems::Remove(SumItem* item)
{
    std::erase_if(items_, [item](const auto& owned) { return owned.get() == item; });
    Changed();
}

SumItem* SumItems::FindSum(SumItem::Operation operation, const QString& fieldName) const
{
    for (const auto& item : items_)
        if (item->GroupOperation() == operation && item->FieldName().compare(fieldName, Qt::CaseInsensitive) == 0)
            return item.get();
    return nullptr;
}

void SumItems::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0 && pending_) {
        pending_ = false;
        owner_.RecalculateAll();
    }
}

void SumItems::Changed()
{
    if (updateCount_ > 0) {
        pending_ = true;
        return;
    }
    owner_.RecalculateAll();
}

// --- the sum list ----------------------------------------------------------------

SumList::SumList() : sums_(*this) {}

SumList::~SumList()
{
    // The data set's event slots go back to it, whatever state the owner is in.
    OwnerLoading = nullptr;
    DeactivateSums(false);
}

void SumList::SetDataSet(Query* dataSet)
{
    if (dataSet == dataSet_)
        return;
    if (Loading()) {
        dataSet_ = dataSet;
        return;
    }
    const bool wasActive = active_;
    DeactivateSums(true);
    dataSet_ = dataSet;
    if (wasActive)
        ActivateSums(true);
}

void SumList::SetActive(bool active)
{
    if (active == active_)
        return;
    active ? ActivateSums(true) : DeactivateSums(true);
}

void SumList::ActivateSums(bool recalculate)
{
    active_ = true;
    if (Loading())
        return;
    HookDataSetEvents();
    if (recalculate)
        RecalculateAll();
}

void SumList::DeactivateSums(bool clearValues)
{
    active_ = false;
    if (Loading())
        return;
    UnhookDataSetEvents();
    if (clearValues)
        ClearValues();
}

void SumList::Loaded()
{
    if (dataSet_ && active_)
        ActivateSums(true);
}

void SumList::SetExternalRecalc(bool on)
{
    if (on == externalRecalc_)
        return;
    externalRecalc_ = on;
    RecalculateAll();
}

void SumList::SetVirtualRecords(bool on)
{
    if (on == virtualRecords_)
        return;
    virtualRecords_ = on;
    if (on)
        RecalculateAll();
}

void SumList::ClearValues()
{
    for (int i = 0; i < sums_.Count(); ++i) {
        SumItem& sum = sums_.Item(i);
        sum.Result = sum.EditedShare = sum.AverageTotal = 0;
        sum.NonNullCount = 0;
    }
    Notify(SumListChanged);
}

bool SumList::VirtualMode() const
{
    return dataSet_ && !dataSet_->IsSequenced() && virtualRecords_ && active_;
}

void SumList::RecalculateAll()
{
    if (Loading() || !active_ || !dataSet_ || !dataSet_->Active() || !hooked_)
        return;
    ClearValues();
    searchHint_ = -1;
    Notify(OnRecalcAll);
    // The closing steps run after an external recalculation, a walk or an error.
    const auto closing = qScopeGuard([this] {
        if (dataSet_) {
            rememberedFiltered_ = dataSet_->Filtered();
            rememberedFilter_ = dataSet_->Filter();
        }
        recalculating_ = false;
        Notify(SumListChanged);
    });
    if (externalRecalc_)
        return;

    bool walk = !dataSet_->IsSequenced() && virtualRecords_;
    for (int i = 0; i < sums_.Count() && !walk; ++i)
        walk = sums_.Item(i).Counts();
    if (walk) {
        Query& data = *dataSet_;
        data.DisableControls();
        // A walk that fails still gives the controls their notifications back.
        const auto resume = qScopeGuard([&data] { data.EnableControls(); });
        virtualList_.clear();
        recalculating_ = true;
        data.First();
        const bool virtualMode = !data.IsSequenced() && virtualRecords_;
        while (!data.Eof()) {
            ForEachCountingItem(sums_, data, [](SumItem& sum, Field* field) {
                switch (sum.GroupOperation()) {
                case SumItem::Operation::Sum:
                    if (!field->IsNull())
                        AddToTotal(sum.Result, ToFixedPoint(field->AsFloat()));
                    break;
                case SumItem::Operation::Avg:
                    if (!field->IsNull())
                        ++sum.NonNullCount;
                    AddToTotal(sum.AverageTotal, ToFixedPoint(field->IsNull() ? 0.0 : field->AsFloat()));
                    break;
                case SumItem::Operation::Count:
                    if (!field || !field->IsNull())
                        sum.Result += kFixedOne;
                    break;
                }
            });
            if (virtualMode)
                virtualList_.push_back(data.GetBookmark());
            data.Next();
        }
        data.First();
        for (int i = 0; i < sums_.Count(); ++i) {
            SumItem& sum = sums_.Item(i);
            if (sum.GroupOperation() == SumItem::Operation::Avg)
                sum.UpdateAverage();
        }
    }
    Notify(OnAfterRecalcAll);
}

// --- hooking the data set's events --------------------------------------------------

void SumList::HookDataSetEvents()
{
    if (!dataSet_ || hooked_)
        return;
    Query& d = *dataSet_;
    master_ = nullptr;
    if (d.HasPublishedProperty(u"MasterSource"_s))
        if (auto* source = d.property("MasterSource").value<DataSource*>())
            master_ = source->DataSet();
    saved_ = {d.AfterOpen(), d.AfterClose(), d.AfterScroll(), d.AfterEdit(), d.AfterInsert(), d.AfterPost(),
              d.BeforeDelete(), d.AfterCancel(), master_ ? master_->AfterScroll() : DataSetHandler()};
    d.SetAfterOpen([this](Query& q) { HandleAfterOpen(q); });
    d.SetAfterClose([this](Query& q) { HandleAfterClose(q); });
    d.SetAfterScroll([this](Query& q) { HandleAfterScroll(q); });
    d.SetAfterEdit([this](Query& q) { HandleAfterEdit(q); });
    d.SetAfterInsert([this](Query& q) { HandleAfterInsert(q); });
    d.SetAfterPost([this](Query& q) { HandleAfterPost(q); });
    d.SetBeforeDelete([this](Query& q) { HandleBeforeDelete(q); });
    d.SetAfterCancel([this](Query& q) { HandleAfterCancel(q); });
    if (master_)
        master_->SetAfterScroll([this](Query& q) { HandleMasterAfterScroll(q); });
    hooked_ = true;
}

void SumList::UnhookDataSetEvents()
{
    if (!hooked_)
        return;
    if (Query* d = dataSet_) {
        d->SetAfterOpen(saved_.afterOpen);
        d->SetAfterClose(saved_.afterClose);
        d->SetAfterScroll(saved_.afterScroll);
        d->SetAfterEdit(saved_.afterEdit);
        d->SetAfterInsert(saved_.afterInsert);
        d->SetAfterPost(saved_.afterPost);
        d->SetBeforeDelete(saved_.beforeDelete);
        d->SetAfterCancel(saved_.afterCancel);
    }
    if (master_)
        master_->SetAfterScroll(saved_.masterAfterScroll);
    saved_ = {};
    master_ = nullptr;
    hooked_ = false;
    virtualList_.clear();
}

void SumList::HandleAfterOpen(Query& dataSet)
{
    if (active_)
        RecalculateAll();
    if (saved_.afterOpen)
        saved_.afterOpen(dataSet);
}

void SumList::HandleAfterClose(Query& dataSet)
{
    if (active_) {
        ClearValues();
        Notify(SumListChanged);
        recalculating_ = false;
    }
    virtualList_.clear();
    if (saved_.afterClose)
        saved_.afterClose(dataSet);
}

void SumList::HandleAfterScroll(Query& dataSet)
{
    if (saved_.afterScroll)
        saved_.afterScroll(dataSet);
    if (!active_ || recalculating_)
        return;
    // A filter switched on or off, or changed while on, shows at the next move.
    if (dataSet.Filtered() != rememberedFiltered_ || (dataSet.Filtered() && dataSet.Filter() != rememberedFilter_))
        RecalculateAll();
}

void SumList::HandleMasterAfterScroll(Query& dataSet)
{
    if (saved_.masterAfterScroll)
        saved_.masterAfterScroll(dataSet);
    if (active_ && !recalculating_)
        RecalculateAll();
}

void SumList::HandleAfterEdit(Query& dataSet)
{
    if (active_)
        ForEachCountingItem(sums_, dataSet, [](SumItem& sum, Field* field) {
            if (sum.GroupOperation() == SumItem::Operation::Count) {
                sum.EditedShare = field && field->IsNull() ? 0 : kFixedOne;
            } else {
                sum.EditedShare = field->IsNull() ? 0 : ToFixedPoint(field->AsFloat());
                sum.EditedOldValue = field->Value();
            }
        });
    if (saved_.afterEdit)
        saved_.afterEdit(dataSet);
}

void SumList::HandleAfterInsert(Query& dataSet)
{
    if (active_) {
        ForEachCountingItem(sums_, dataSet, [](SumItem& sum, Field* field) {
            if (sum.GroupOperation() == SumItem::Operation::Count) {
                sum.EditedShare = field && !field->IsNull() ? kFixedOne : 0;
            } else {
                sum.EditedShare = 0;
                sum.EditedOldValue = QVariant();
            }
        });
        if (VirtualMode()) {
            const Bookmark bookmark = dataSet.GetBookmark();
            if (bookmark.IsNull())
                insertPending_ = true;
            else
                virtualList_.push_back(bookmark);
        }
    }
    if (saved_.afterInsert)
        saved_.afterInsert(dataSet);
}

void SumList::HandleAfterPost(Query& dataSet)
{
    if (active_) {
        ForEachCountingItem(sums_, dataSet, [](SumItem& sum, Field* field) {
            const FixedPoint now = field && !field->IsNull() ? ToFixedPoint(field->AsFloat()) : 0;
            switch (sum.GroupOperation()) {
            case SumItem::Operation::Sum:
                AddToTotal(sum.Result, now - sum.EditedShare);
                break;
            case SumItem::Operation::Avg:
                if (field->IsNull() && !sum.EditedOldValue.isNull())
                    --sum.NonNullCount;
                if (!field->IsNull() && sum.EditedOldValue.isNull())
                    ++sum.NonNullCount;
                AddToTotal(sum.AverageTotal, now - sum.EditedShare);
                sum.UpdateAverage();
                break;
            case SumItem::Operation::Count:
                if (field && field->IsNull())
                    sum.Result -= sum.EditedShare;
                else
                    sum.Result += kFixedOne - sum.EditedShare;
                break;
            }
        });
        if (VirtualMode() && insertPending_) {
            const Bookmark bookmark = dataSet.GetBookmark();
            size_t at = 0;
            while (at < virtualList_.size() && dataSet.CompareBookmarks(virtualList_[at], bookmark) < 0)
                ++at;
            virtualList_.insert(virtualList_.begin() + qsizetype(at), bookmark);
            insertPending_ = false;
        }
        Notify(SumListChanged);
    }
    if (saved_.afterPost)
        saved_.afterPost(dataSet);
}

void SumList::HandleBeforeDelete(Query& dataSet)
{
    if (saved_.beforeDelete)
        saved_.beforeDelete(dataSet);
    if (!active_)
        return;
    ForEachCountingItem(sums_, dataSet, [](SumItem& sum, Field* field) {
        switch (sum.GroupOperation()) {
        case SumItem::Operation::Sum:
            AddToTotal(sum.Result, field->IsNull() ? 0 : -ToFixedPoint(field->AsFloat()));
            break;
        case SumItem::Operation::Avg:
            AddToTotal(sum.AverageTotal, field->IsNull() ? 0 : -ToFixedPoint(field->AsFloat()));
            if (!field->IsNull())
                --sum.NonNullCount;
            sum.UpdateAverage();
            break;
        case SumItem::Operation::Count:
            if (!field || !field->IsNull())
                sum.Result -= kFixedOne;
            break;
        }
    });
    if (VirtualMode()) {
        const int at = FindVirtualRecord(dataSet.GetBookmark());
        if (at >= 0)
            virtualList_.erase(virtualList_.begin() + at);
    }
    Notify(SumListChanged);
}

void SumList::HandleAfterCancel(Query& dataSet)
{
    if (saved_.afterCancel)
        saved_.afterCancel(dataSet);
    insertPending_ = false;
}

// --- record numbers ------------------------------------------------------------------

bool SumList::HasRecordNumbers() const
{
    if (!dataSet_)
        return false;
    if (dataSet_->IsSequenced())
        return true;
    if (!virtualRecords_ || !active_)
        return false;
    return !virtualList_.empty() || (dataSet_->Bof() && dataSet_->Eof());
}

int SumList::CountRecords() const
{
    if (VirtualMode())
        return int(virtualList_.size());
    return dataSet_ ? dataSet_->RecordCount() : 0;
}

int SumList::GetRecordNumber()
{
    if (VirtualMode())
        return FindVirtualRecord(dataSet_->GetBookmark()) + 1;
    return dataSet_ ? dataSet_->RecNo() : 0;
}

void SumList::SetRecordNumber(int number)
{
    if (!dataSet_)
        return;
    if (VirtualMode())
        dataSet_->GotoBookmark(virtualList_.at(size_t(number - 1)));
    else
        dataSet_->SetRecNo(number);
}

int SumList::FindVirtualRecord(const Bookmark& bookmark)
{
    if (virtualList_.empty())
        return -1;
    const int size = int(virtualList_.size());
    if (searchHint_ < 0 || searchHint_ >= size)
        searchHint_ = 0;
    const int order = dataSet_->CompareBookmarks(virtualList_[size_t(searchHint_)], bookmark);
    const int step = order > 0 ? -1 : 1;
    while (searchHint_ >= 0 && searchHint_ < size) {
        if (dataSet_->CompareBookmarks(virtualList_[size_t(searchHint_)], bookmark) == 0)
            return searchHint_;
        if (order == 0)
            break;
        searchHint_ += step;
    }
    return -1;
}
