#include "SumList.h"

#include "db/Field.h"
#include "db/Query.h"
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

void SumList::SetDataSet(const Query* dataSet)
{
    dataSet_ = dataSet;
}

void SumList::SetActive(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    RecalculateAll();
}

void SumList::RecalculateAll()
{
    if (Loading())
        return;
    // The footers repaint also when a field is missing or a sum overflows.
    const auto changed = qScopeGuard([this] {
        if (Changed)
            Changed();
    });
    for (int i = 0; i < sums_.Count(); ++i)
        sums_.Item(i).Result = 0;
    if (!active_ || !dataSet_ || !dataSet_->Active())
        return;
    const Query& data = *dataSet_;
    const int rows = data.RecordCount();
    for (int i = 0; i < sums_.Count(); ++i) {
        SumItem& sum = sums_.Item(i);
        if (!sum.Counts())
            continue;
        // A count of every row is the row count; the others read their column.
        const Field* field = sum.FieldName().isEmpty() ? nullptr : &data.FieldByName(sum.FieldName());
        FixedPoint total = 0;
        int nonNull = field ? 0 : rows;
        for (int record = 0; field && record < rows; ++record) {
            const QVariant value = field->Value(record);
            if (value.isNull())
                continue;
            ++nonNull;
            if (sum.GroupOperation() != SumItem::Operation::Count)
                AddToTotal(total, ToFixedPoint(value.toDouble()));
        }
        switch (sum.GroupOperation()) {
        case SumItem::Operation::Sum: sum.Result = total; break;
        // An average over the rows with a value, 0 without any.
        case SumItem::Operation::Avg: sum.Result = nonNull ? ToFixedPoint(FromFixedPoint(total) / nonNull) : 0; break;
        case SumItem::Operation::Count: sum.Result = FixedPoint(nonNull) * kFixedOne; break;
        }
    }
}
