#pragma once

class DataGrid;
struct GridLayoutSettings;

// What a cell shows, by its column and by its row.
struct CellKind {
    enum class Column { Indicator, Data };
    enum class Row { Title, Filter, Data, Footer };
    Column Horz;
    Row Vert;
    int DataCol;  // the column's index among the grid's columns
    int DataRow;  // data row, or footer index for footer rows
};

// Where the grid's kinds of cells lie and how tall its rows are: the
// indicator column, the title row, the data rows and the footer rows, from
// the options, the layout settings and the fonts.
class GridRowMetrics {
public:
    explicit GridRowMetrics(const DataGrid& grid) : grid_(grid) {}

    // The grid columns before the first data column, and the indicator's width.
    int IndicatorOffset() const;
    int IndicatorWidth() const;
    // The title rows, and the grid row of the first data row.
    int TitleOffset() const;
    int TopDataOffset() const { return TitleOffset(); }
    int DataRowHeight() const;
    int TitleRowHeight() const;
    // The kind of a cell of the grid; a cell outside the grid is a programming error.
    CellKind KindOf(int col, int row) const;
    // Data rows are tall enough for more than one line of text.
    bool MultiLineRows() const { return multiLineRows_; }

    // Steps of the layout pass: with FitRowHeightToText the row height is
    // kept as whole lines of text; then whether rows hold more than a line.
    void FitRowHeightToText(GridLayoutSettings& settings) const;
    void NoteMultiLineRows();

private:
    // The padding of a data row around its text: the 3-D edge and the line.
    int RowPad() const;
    // The height of a line of the grid's font.
    int TextHeight() const;

    const DataGrid& grid_;
    bool multiLineRows_ = false;
};
