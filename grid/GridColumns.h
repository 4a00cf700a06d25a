#pragma once

#include "GridColumn.h"

// The grid's columns. Persistent columns come from the configuration;
// default columns are made by the layout pass for the result set's fields.
class GridColumns {
public:
    explicit GridColumns(ColumnsOwner* grid) : grid_(grid) {}
    ~GridColumns();

    ColumnsOwner* Grid() const { return grid_; }
    int Count() const { return int(items_.size()); }
    GridColumn& Item(int index) const { return *items_.at(size_t(index)); }
    int IndexOf(const GridColumn* column) const;
    GridColumn& Add();
    GridColumn& AddDefault();
    void Delete(int index);
    void Clear();
    void Move(int from, int to);
    // Persistent when any column was added as a persistent one.
    bool PersistentState() const;
    // Every column binds the open result set's field of its name, or none.
    void BindFieldsByName();

    // Changes inside the bracket reach the grid once, at its end.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    bool Updating() const { return updateCount_ > 0; }
    // A column changed (null: all); held back while updating.
    void Update(GridColumn* column);

private:
    ColumnsOwner* grid_;
    std::vector<std::unique_ptr<GridColumn>> items_;
    int updateCount_ = 0;
    bool pendingUpdate_ = false;
};
