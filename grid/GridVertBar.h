#pragma once

#include "platform/ControlWindow.h"

class DataGrid;

// The grid's vertical bar stands for the records, not the rows: its range is
// the record count, its position the current record's number, and a request
// moves the current record.
class GridVertBar {
public:
    explicit GridVertBar(DataGrid& grid) : grid_(grid) {}

    // The bar from the record numbers of the result set.
    void update();
    // A scroll request moves the current record.
    void scroll(ScrollCode code, int position);
    // Shows a range, page and position on the grid's bar.
    void show(const ScrollBarInfo& info);

private:
    DataGrid& grid_;
    bool shown_ = false;
};
