#pragma once

#include <cstddef>
#include <vector>

enum class Axis { Columns, Rows };

// The layout of one axis, worked out from the grid's state when needed.
struct AxisLayout {
    int linePx = 0;
    int fixedCount = 0;
    int frozenCount = 0;
    int fixedEnd = 0;
    int frozenStart = 0;
    int firstScrollCell = 0;
    int cellCount = 0;
    int contraCount = 0;
    int clientExtent = 0;
    int contraStart = 0;
    int scrollLimit = 0;
    int cellsEnd = 0;
    int lastWholeCell = 0;
    int lastWholeEnd = 0;
    int paintEnd = 0;
    int allCellCount = 0;
    const std::vector<int>* extents = nullptr;
    // Where each cell starts within its part: fixed cells from 0, scrolling
    // cells from fixedEnd at firstScrollCell, contra cells from
    // contraStart + linePx; scrolling cells before firstScrollCell have none.
    std::vector<int> starts;
    // Per part, the first cell whose start lies beyond clientExtent: it and
    // the cells after it are not shown.
    int fixedBeyond = 0;
    int scrollBeyond = 0;
    int contraBeyond = 0;
    // Every cell's extent plus its line is 0 or more, so cell ends only grow.
    bool endsGrow = true;

    int extentOf(int cell) const { return (*extents)[std::size_t(cell)]; }
    // The whole scrolling cells shown from the first one.
    int wholeCellsInView() const { return lastWholeCell - firstScrollCell + 1; }
    // The near and far pixel of cells first..last as far as they are shown
    // (with the trailing line when asked); false when none of them is.
    bool range(int first, int last, bool includeLines, int& near, int& far) const;
    // The cell under a pixel, or -1.
    int cellAt(int coord) const;
    // The first scrolling cell that shows cells up to `last` in the room
    // there is for scrolling cells.
    int firstCellToFit(int last) const;
    int startOf(int cell) const { return starts[std::size_t(cell)]; }
    // The start of a cell on screen, or -1 when it is not shown.
    int shownStart(int cell) const
    {
        if (cell < fixedCount)
            return cell < fixedBeyond ? startOf(cell) : -1;
        if (cell < cellCount)
            return cell >= firstScrollCell && cell < scrollBeyond ? startOf(cell) : -1;
        return cell < contraBeyond ? startOf(cell) : -1;
    }
};

struct GridLayout {
    AxisLayout columns;
    AxisLayout rows;
    const AxisLayout& axis(Axis axis) const { return axis == Axis::Columns ? columns : rows; }
};
