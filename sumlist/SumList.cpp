#include "SumList.h"

#include "db/Field.h"
#include "db/Query.h"
#include "platform/Errors.h"

#include <QScopeGuard>
#include <cmath>

using namespace Qt::StringLiterals;

FixedPoint toFixedPoint(double value)
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
void addToTotal(FixedPoint& total, FixedPoint value)
{
    FixedPoint sum = 0;
    if (__builtin_add_overflow(total, value, &sum))
        throw Exception(u"The value %1 is too large for a footer"_s.arg(fromFixedPoint(total) + fromFixedPoint(value), 0,
                                                                         'g', 17));
    total = sum;
}

} // namespace

// --- items -------------------------------------------------------------------------

void SumItem::setFieldName(const QString& name)
{
    if (name == fieldName_)
        return;
    fieldName_ = name;
    owner_.sumCollection().changed();
}

void SumItem::setGroupOperation(SumItem::Operation operation)
{
    if (operation == operation_)
        return;
    operation_ = operation;
    owner_.sumCollection().changed();
}

SumItem& SumItems::add()
{
    items_.push_back(std::make_unique<SumItem>(owner_));
    changed();
    return *items_.back();
}

void SumItems::remove(SumItem* item)
{
    std::erase_if(items_, [item](const auto& owned) { return owned.get() == item; });
    changed();
}

SumItem* SumItems::findSum(SumItem::Operation operation, const QString& fieldName) const
{
    for (const auto& item : items_)
        if (item->groupOperation() == operation && item->fieldName().compare(fieldName, Qt::CaseInsensitive) == 0)
            return item.get();
    return nullptr;
}

void SumItems::endUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0 && pending_) {
        pending_ = false;
        owner_.recalculateAll();
    }
}

void SumItems::changed()
{
    if (updateCount_ > 0) {
        pending_ = true;
        return;
    }
    owner_.recalculateAll();
}

// --- the sum list ----------------------------------------------------------------

SumList::SumList() : sums_(*this) {}

void SumList::setDataSet(const Query* dataSet)
{
    dataSet_ = dataSet;
}

void SumList::setActive(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    recalculateAll();
}

void SumList::recalculateAll()
{
    if (loading())
        return;
    // The footers repaint also when a field is missing or a sum overflows.
    const auto notify = qScopeGuard([this] {
        if (changed)
            changed();
    });
    for (int i = 0; i < sums_.count(); ++i)
        sums_.item(i).result = 0;
    if (!active_ || !dataSet_ || !dataSet_->active())
        return;
    const Query& data = *dataSet_;
    const int rows = data.recordCount();
    for (int i = 0; i < sums_.count(); ++i) {
        SumItem& sum = sums_.item(i);
        if (!sum.counts())
            continue;
        // A count of every row is the row count; the others read their column.
        const Field* field = sum.fieldName().isEmpty() ? nullptr : &data.fieldByName(sum.fieldName());
        FixedPoint total = 0;
        int nonNull = field ? 0 : rows;
        for (int record = 0; field && record < rows; ++record) {
            const QVariant value = field->value(record);
            if (value.isNull())
                continue;
            ++nonNull;
            if (sum.groupOperation() != SumItem::Operation::Count)
                addToTotal(total, toFixedPoint(value.toDouble()));
        }
        switch (sum.groupOperation()) {
        case SumItem::Operation::Sum: sum.result = total; break;
        // An average over the rows with a value, 0 without any.
        case SumItem::Operation::Avg: sum.result = nonNull ? toFixedPoint(fromFixedPoint(total) / nonNull) : 0; break;
        case SumItem::Operation::Count: sum.result = FixedPoint(nonNull) * kFixedOne; break;
        }
    }
}
