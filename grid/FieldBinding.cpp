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
        field->RemoveWatcher(this);
}

void FieldBinding::Rebuild()
{
    Clear();
    if (grid_.ResultOpen())
        Define();
    if (grid_.Columns().PersistentState())
        grid_.Columns().BindFieldsByName();
    else
        BuildDefaultColumns();
}

Field* FieldBinding::MappedField(int dataColumn) const
{
    if (dataColumn < 0 || dataColumn >= Count() || fieldMap_[size_t(dataColumn)] < 0 || !grid_.DataSet())
        return nullptr;
    return &grid_.DataSet()->FieldAt(fieldMap_[size_t(dataColumn)]);
}

void FieldBinding::Clear()
{
    // The fields stay watched: when they go, the grid hears of it.
    fieldMap_.clear();
}

void FieldBinding::AddMapping(const QString& name)
{
    if (Count() >= kMaxMappedColumns)
        throw GridError(u"Grid requested to display more than 256 columns"_s);
    Field* field = sparseMap_ ? grid_.DataSet()->FindField(name) : &grid_.DataSet()->FieldByName(name);
    fieldMap_.push_back(field ? field->Index() : -1);
    if (field && std::find(watchedFields_.begin(), watchedFields_.end(), field) == watchedFields_.end()) {
        field->AddWatcher(this);
        watchedFields_.push_back(field);
    }
}

void FieldBinding::Define()
{
    Query* dataSet = grid_.DataSet();
    sparseMap_ = grid_.Columns().PersistentState();
    if (sparseMap_) {
        for (int i = 0; i < grid_.Columns().Count(); ++i)
            AddMapping(grid_.Columns().Item(i).FieldName());
        return;
    }
    for (int i = 0; i < dataSet->FieldCount(); ++i)
        if (dataSet->FieldAt(i).Visible())
            AddMapping(dataSet->FieldAt(i).FieldName());
}

void FieldBinding::FieldDestroyed(Field* field)
{
    std::erase(watchedFields_, field);
    // The columns let go now; the layout follows with the next pass, which a
    // result set opened again right away runs at once.
    grid_.LayoutBatch().Lock();
    for (int i = 0; i < grid_.Columns().Count(); ++i)
        if (grid_.Columns().Item(i).BoundField() == field)
            grid_.Columns().Item(i).BindField(nullptr);
    grid_.LayoutBatch().Defer();
}

void FieldBinding::BuildDefaultColumns()
{
    // The result set makes its fields on open, so default columns go with them.
    const bool generated = !(sparseMap_ && std::find(fieldMap_.begin(), fieldMap_.end(), -1) != fieldMap_.end());
    // Columns whose field is gone go; without an open result set, all of them.
    for (int i = grid_.Columns().Count() - 1; i >= 0; --i) {
        if (!grid_.ResultOpen() && generated) {
            grid_.Columns().Delete(i);
            continue;
        }
        Field* field = grid_.Columns().Item(i).BoundField();
        bool mapped = false;
        for (int m = 0; m < Count() && !mapped; ++m)
            mapped = field && MappedField(m) == field;
        if (!mapped)
            grid_.Columns().Delete(i);
    }
    int n = Count();
    if (n == 0 && grid_.Columns().Count() == 0)
        n = 1;
    for (int i = 0; i < n; ++i) {
        Field* field = MappedField(i);
        int at = -1;
        for (int c = i; c < grid_.Columns().Count() && field && at < 0; ++c)
            if (grid_.Columns().Item(c).BoundField() == field)
                at = c;
        if (at < 0) {
            GridColumn& column = grid_.Columns().AddDefault();
            if (field)
                column.BindField(field);
            at = grid_.Columns().Count() - 1;
        }
        if (at != i)
            grid_.Columns().Move(at, i);
    }
}

