#include "FieldBinding.h"

#include "DataGrid.h"

#include "db/Query.h"

#include <algorithm>

using namespace Qt::StringLiterals;

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
    if (grid_.columns().persistentState())
        grid_.columns().bindFieldsByName();
    else
        buildDefaultColumns();
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
    Field* field = sparseMap_ ? grid_.dataSet()->findField(name) : &grid_.dataSet()->fieldByName(name);
    fieldMap_.push_back(field ? field->index() : -1);
    if (field && std::find(watchedFields_.begin(), watchedFields_.end(), field) == watchedFields_.end()) {
        field->addWatcher(this);
        watchedFields_.push_back(field);
    }
}

void FieldBinding::define()
{
    Query* dataSet = grid_.dataSet();
    sparseMap_ = grid_.columns().persistentState();
    if (sparseMap_) {
        for (int i = 0; i < grid_.columns().count(); ++i)
            addMapping(grid_.columns().item(i).fieldName());
        return;
    }
    for (int i = 0; i < dataSet->fieldCount(); ++i)
        if (dataSet->fieldAt(i).visible())
            addMapping(dataSet->fieldAt(i).fieldName());
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

void FieldBinding::buildDefaultColumns()
{
    // The result set makes its fields on open, so default columns go with them.
    const bool generated = !(sparseMap_ && std::find(fieldMap_.begin(), fieldMap_.end(), -1) != fieldMap_.end());
    // Columns whose field is gone go; without an open result set, all of them.
    for (int i = grid_.columns().count() - 1; i >= 0; --i) {
        if (!grid_.resultOpen() && generated) {
            grid_.columns().removeAt(i);
            continue;
        }
        Field* field = grid_.columns().item(i).boundField();
        bool mapped = false;
        for (int m = 0; m < count() && !mapped; ++m)
            mapped = field && mappedField(m) == field;
        if (!mapped)
            grid_.columns().removeAt(i);
    }
    int n = count();
    if (n == 0 && grid_.columns().count() == 0)
        n = 1;
    for (int i = 0; i < n; ++i) {
        Field* field = mappedField(i);
        int at = -1;
        for (int c = i; c < grid_.columns().count() && field && at < 0; ++c)
            if (grid_.columns().item(c).boundField() == field)
                at = c;
        if (at < 0) {
            GridColumn& column = grid_.columns().addDefault();
            if (field)
                column.bindField(field);
            at = grid_.columns().count() - 1;
        }
        if (at != i)
            grid_.columns().move(at, i);
    }
}

