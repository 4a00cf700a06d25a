#pragma once

#include "GridColumn.h"

#include <memory>

// The grid's columns, as the configuration gives them.
class GridColumns {
public:
    explicit GridColumns(ColumnsOwner* grid) : grid_(grid) {}
    ~GridColumns();

    ColumnsOwner* grid() const { return grid_; }
    int count() const { return int(items_.size()); }
    GridColumn& item(int index) const { return *items_.at(size_t(index)); }
    int indexOf(const GridColumn* column) const;
    GridColumn& add();
    void clear();
    void move(int from, int to);
    // Every column binds the open result set's field of its name, or none.
    void bindFieldsByName();

    // Changes inside the bracket reach the grid once, at its end.
    void beginUpdate() { ++updateCount_; }
    void endUpdate();
    bool updating() const { return updateCount_ > 0; }
    // A column changed (null: all); held back while updating.
    void update(GridColumn* column);

private:
    ColumnsOwner* grid_;
    std::vector<std::unique_ptr<GridColumn>> items_;
    int updateCount_ = 0;
    bool pendingUpdate_ = false;
};
