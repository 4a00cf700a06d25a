// The grid's column collection.
#include "GridColumns.h"

using namespace Qt::StringLiterals;


int ColumnList::IndexOf(const GridColumn& column) const
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i] == &column)
            return int(i);
    return -1;
}

GridColumns::~GridColumns()
{
    // Columns tell their grid nothing while they go.
    ++updateCount_;
    items_.clear();
}

int GridColumns::IndexOf(const GridColumn* column) const
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == column)
            return int(i);
    return -1;
}

GridColumn& GridColumns::Add()
{
    items_.push_back(std::make_unique<GridColumn>(*this, true));
    Update(nullptr);
    return *items_.back();
}

GridColumn& GridColumns::AddDefault()
{
    items_.push_back(std::make_unique<GridColumn>(*this, false));
    Update(nullptr);
    return *items_.back();
}

void GridColumns::Delete(int index)
{
    items_.erase(items_.begin() + index);
    Update(nullptr);
}

void GridColumns::Clear()
{
    if (items_.empty())
        return;
    items_.clear();
    Update(nullptr);
}

void GridColumns::Move(int from, int to)
{
    auto moved = std::move(items_[size_t(from)]);
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + to, std::move(moved));
    Update(nullptr);
}

bool GridColumns::PersistentState() const
{
    for (const auto& column : items_)
        if (!column->IsDefaultColumn())
            return true;
    return false;
}

void GridColumns::BindFieldsByName()
{
    for (const auto& column : items_)
        column->BindFieldByName();
}

void GridColumns::EndUpdate()
{
    if (updateCount_ == 0)
        return;
    if (--updateCount_ == 0 && pendingUpdate_) {
        pendingUpdate_ = false;
        if (grid_)
            grid_->ColumnsChanged(nullptr);
    }
}

void GridColumns::Update(GridColumn* column)
{
    if (Updating()) {
        pendingUpdate_ = true;
        return;
    }
    if (grid_ && !grid_->Loading())
        grid_->ColumnsChanged(column);
}

