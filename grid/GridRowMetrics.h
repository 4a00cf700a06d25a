#pragma once

class DataGrid;

// What a cell shows, by its column and by its row.
struct CellKind {
    enum class Column { Indicator, Data };
    enum class Row { Title, Data, Footer };
    Column horz;
    Row vert;
    int dataCol;  // the column's index among the grid's columns
    int dataRow;  // data row, or footer index for footer rows
};

// Where the grid's kinds of cells lie and how tall its rows are: the
// indicator column, the title row, the data rows and the footer rows, from
// the options and the fonts.
class GridRowMetrics {
public:
    explicit GridRowMetrics(const DataGrid& grid) : grid_(grid) {}

    // The grid columns before the first data column, and the indicator's width.
    int indicatorOffset() const;
    int indicatorWidth() const;
    // The title rows, and the grid row of the first data row.
    int titleOffset() const;
    int topDataOffset() const { return titleOffset(); }
    int dataRowHeight() const;
    int titleRowHeight() const;
    // The kind of a cell of the grid; a cell outside the grid is a programming error.
    CellKind kindOf(int col, int row) const;

private:
    // The padding of a data row around its text: the 3-D edge and the line.
    int rowPad() const;
    // The height of a line of the grid's font.
    int textHeight() const;

    const DataGrid& grid_;
};
