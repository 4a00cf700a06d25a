#pragma once

#include <cstddef>
#include <vector>

enum class Axis { Columns, Rows };

// The layout of one axis, worked out from the grid's state when needed.
struct AxisLayout {
    int LinePx = 0;
    int FixedCount = 0;
    int FrozenCount = 0;
    int FixedEnd = 0;
    int FrozenStart = 0;
    int FirstScrollCell = 0;
    int CellCount = 0;
    int ContraCount = 0;
    int ClientExtent = 0;
    int ContraStart = 0;
    int ScrollLimit = 0;
    int CellsEnd = 0;
    int LastWholeCell = 0;
    int LastWholeEnd = 0;
    int PaintEnd = 0;
    int AllCellCount = 0;
    const std::vector<int>* Extents = nullptr;
    // Where each cell starts within its part: fixed cells from 0, scrolling
    // cells from FixedEnd at FirstScrollCell, contra cells from
    // ContraStart + LinePx; scrolling cells before FirstScrollCell have none.
    std::vector<int> Starts;
    // Per part, the first cell whose start lies beyond ClientExtent: it and
    // the cells after it are not shown.
    int FixedBeyond = 0;
    int ScrollBeyond = 0;
    int ContraBeyond = 0;
    // Every cell's extent plus its line is 0 or more, so cell ends only grow.
    bool EndsGrow = true;

    int ExtentOf(int cell) const { return (*Extents)[std::size_t(cell)]; }
    // The whole scrolling cells shown from the first one.
    int WholeCellsInView() const { return LastWholeCell - FirstScrollCell + 1; }
    // The near and far pixel of cells first..last as far as they are shown
    // (with the trailing line when asked); false when none of them is.
    bool Range(int first, int last, bool includeLines, int& near, int& far) const;
    // The cell under a pixel, or -1.
    int CellAt(int coord) const;
    // The first scrolling cell that shows cells up to `last` in the room
    // there is for scrolling cells.
    int FirstCellToFit(int last) const;
    int StartOf(int cell) const { return Starts[std::size_t(cell)]; }
    // The start of a cell on screen, or -1 when it is not shown.
    int ShownStart(int cell) const
    {
        if (cell < FixedCount)
            return cell < FixedBeyond ? StartOf(cell) : -1;
        if (cell < CellCount)
            return cell >= FirstScrollCell && cell < ScrollBeyond ? StartOf(cell) : -1;
        return cell < ContraBeyond ? StartOf(cell) : -1;
    }
};

struct GridLayout {
    AxisLayout Columns;
    AxisLayout Rows;
    const AxisLayout& Axis(Axis axis) const { return axis == Axis::Columns ? Columns : Rows; }
};
