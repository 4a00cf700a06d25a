#pragma once

#include "db/DataSource.h"

#include <QRect>

class DataGrid;

// The grid's view of the result set: the record window, sized to the data
// rows that fit, with the grid's current row on the current record; and what
// the result set tells the grid: opened or closed, new rows, a move.
class GridRecordWindow : public DataLink {
public:
    explicit GridRecordWindow(DataGrid& grid) : grid_(grid) {}

    // The window takes the rows that fit, and the grid's rows follow it.
    void size();
    // The grid's current row moves to the current record.
    void syncCurrentRow();
    // How many whole data rows fit between the title row and the footer rows
    // at the current client height (at least 1).
    int rowsThatFit() const;

private:
    void activeChanged() override;
    void dataSetChanged() override;
    void dataSetScrolled(int distance) override;
    // The whole width of a grid row, or an empty box for a row not shown.
    QRect rowBox(int row) const;

    DataGrid& grid_;
};
