#pragma once

class DataGrid;

// The read-only in-place editor over the current cell: it shows the cell's
// text to select and copy, follows its cell and the current record, and goes
// when its cell scrolls out of view.
class GridEditor {
public:
    explicit GridEditor(DataGrid& grid) : grid_(grid) {}

    void show();
    void hide();
    // An open editor follows its cell and the current record's text.
    void refresh();
    bool shown() const;

private:
    DataGrid& grid_;
};
