#include "FieldBinding.h"

#include "DataGrid.h"

#include "db/Query.h"

#include <algorithm>

namespace {

constexpr int kMaxMappedColumns = 268435455;

} // namespace

FieldBinding::~FieldBinding()
{
    for (Field* field : watchedFields_)
        field->removeWatcher(this);
}

void FieldBinding::rebuild()
{
    clear();
    if (grid_.resultOpen())
        define();
    grid_.columns().bindFieldsByName();
}

Field* FieldBinding::mappedField(int dataColumn) const
{
    if (dataColumn < 0 || dataColumn >= count() || fieldMap_[size_t(dataColumn)] < 0 || !grid_.dataSet())
        return nullptr;
    return &grid_.dataSet()->fieldAt(fieldMap_[size_t(dataColumn)]);
}

void FieldBinding::clear()
{
    // The fields stay watched: when they go, the grid hears of it.
    fieldMap_.clear();
}

void FieldBinding::addMapping(const QString& name)
{
    Q_ASSERT(count() < kMaxMappedColumns);
    if (count() >= kMaxMappedColumns)
        return;
    Field* field = grid_.dataSet()->findField(name);
    fieldMap_.push_back(field ? field->index() : -1);
    if (field && std::find(watchedFields_.begin(), watchedFields_.end(), field) == watchedFields_.end()) {
        field->addWatcher(this);
        watchedFields_.push_back(field);
    }
}

void FieldBinding::define()
{
    for (int i = 0; i < grid_.columns().count(); ++i)
        addMapping(grid_.columns().item(i).fieldName());
}

void FieldBinding::fieldDestroyed(Field* field)
{
    std::erase(watchedFields_, field);
    // The columns let go now; the layout follows with the next pass, which a
    // result set opened again right away runs at once.
    grid_.layoutBatch().lock();
    for (int i = 0; i < grid_.columns().count(); ++i)
        if (grid_.columns().item(i).boundField() == field)
            grid_.columns().item(i).bindField(nullptr);
    grid_.layoutBatch().defer();
}

