// The grid's column collection.
#include "GridColumns.h"

GridColumns::~GridColumns()
{
    // Columns tell their grid nothing while they go.
    ++updateCount_;
    items_.clear();
}

int GridColumns::indexOf(const GridColumn* column) const
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == column)
            return int(i);
    return -1;
}

GridColumn& GridColumns::add()
{
    items_.push_back(std::make_unique<GridColumn>(*this));
    update(nullptr);
    return *items_.back();
}

void GridColumns::clear()
{
    if (items_.empty())
        return;
    items_.clear();
    update(nullptr);
}

void GridColumns::move(int from, int to)
{
    auto moved = std::move(items_[size_t(from)]);
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + to, std::move(moved));
    update(nullptr);
}

void GridColumns::bindFieldsByName()
{
    for (const auto& column : items_)
        column->bindFieldByName();
}

void GridColumns::endUpdate()
{
    if (updateCount_ == 0)
        return;
    if (--updateCount_ == 0 && pendingUpdate_) {
        pendingUpdate_ = false;
        if (grid_)
            grid_->columnsChanged(nullptr);
    }
}

void GridColumns::update(GridColumn* column)
{
    if (updating()) {
        pendingUpdate_ = true;
        return;
    }
    if (grid_ && !grid_->loading())
        grid_->columnsChanged(column);
}

