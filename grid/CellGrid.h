#pragma once

#include "platform/BitSet.h"
#include "platform/ControlWindow.h"
#include "platform/Errors.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>
#include <vector>

// Raised by invalid grid operations; the grid stays as it was.
class GridError : public Exception {
public:
    using Exception::Exception;
};

enum class Axis { Columns, Rows };

// numerator / denominator rounded to the nearest integer, halves away from zero.
constexpr int RoundedQuotient(qint64 numerator, qint64 denominator)
{
    return int((numerator * 2 + (numerator >= 0 ? denominator : -denominator)) / (denominator * 2));
}

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
    int PixelShift = 0;
    int ShiftedFixedEnd = 0;
    int CellsEnd = 0;
    int LastWholeCell = 0;
    int LastWholeEnd = 0;
    int PaintEnd = 0;
    int AllCellCount = 0;
    const std::vector<int>* Extents = nullptr;
    // Where each cell starts within its part: fixed cells from 0, scrolling
    // cells from ShiftedFixedEnd at FirstScrollCell, contra cells from
    // ContraStart + LinePx; scrolling cells before FirstScrollCell have none.
    std::vector<int> Starts;
    // Per part, the first cell whose start lies beyond ClientExtent: it and
    // the cells after it are not shown.
    int FixedBeyond = 0;
    int ScrollBeyond = 0;
    int ContraBeyond = 0;
    // Every cell's extent plus its line is 0 or more, so cell ends only grow.
    bool EndsGrow = true;

    int ExtentOf(int cell) const { return (*Extents)[size_t(cell)]; }
    int StartOf(int cell) const { return Starts[size_t(cell)]; }
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

struct CellPos {
    int Col = 0;
    int Row = 0;
    bool operator==(const CellPos&) const = default;
};

// The general cell grid: counts, extents, fixed, frozen and contra cells,
// hit testing, scrolling by whole cells and its scroll bars. It knows nothing
// of data; it reaches the screen only through its window.
class CellGrid {
public:
    // The cell grid's options, as bits.
    enum class Option : unsigned {
        FixedVertLine = 0x0001,
        FixedHorzLine = 0x0002,
        VertLine = 0x0004,
        HorzLine = 0x0008,
        RangeSelect = 0x0010,
        RowSizing = 0x0040,
        ColSizing = 0x0080,
        RowMoving = 0x0100,
        ColMoving = 0x0200,
        Editing = 0x0400,
        Tabs = 0x0800,
        RowSelect = 0x1000,
        AlwaysShowEditor = 0x2000,
        ThumbTracking = 0x4000,
    };
    using OptionSet = BitSet<Option>;
    enum class ScrollStyle { None, Horizontal, Vertical, Both };
    // The horizontal bar's range: 0 to this, whatever the column count.
    static constexpr int kScrollRange = 127;
    static constexpr int kDefaultColWidth = 64;

    CellGrid();
    virtual ~CellGrid() = default;

    void SetWindow(ControlWindow* window) { window_ = window; }
    ControlWindow* Window() const { return window_; }

    int ColCount() const { return colCount_; }
    void SetColCount(int count);
    int RowCount() const { return rowCount_; }
    void SetRowCount(int count);
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int count);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int count);
    // How many of the last fixed columns are frozen data columns: they stay
    // in place like fixed ones yet may be current.
    int FrozenFixedCols() const { return frozenFixedCols_; }
    void SetFrozenFixedCols(int count);
    int ContraColCount() const { return contraColCount_; }
    void SetContraColCount(int count);
    int ContraRowCount() const { return contraRowCount_; }
    void SetContraRowCount(int count);


    int DefaultColWidth() const { return defaultColWidth_; }
    void SetDefaultColWidth(int width);
    int DefaultRowHeight() const { return defaultRowHeight_; }
    // Every row takes the new height.
    void SetDefaultRowHeight(int height);
    int ColWidth(int col) const { return colWidths_.at(size_t(col)); }
    void SetColWidth(int col, int width);
    int RowHeight(int row) const { return rowHeights_.at(size_t(row)); }
    void SetRowHeight(int row, int height);
    int GridLineWidth() const { return gridLineWidth_; }
    // Whether Tab stops at a column; every column does until told otherwise.
    bool TabStop(int col) const { return tabStops_.at(size_t(col)); }
    void SetTabStop(int col, bool on);

    OptionSet CellOptions() const { return options_; }
    void SetCellOptions(OptionSet options);
    CellGrid::ScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(CellGrid::ScrollStyle style);

    int LeftCol() const { return leftCol_; }
    int TopRow() const { return topRow_; }
    CellPos Current() const { return current_; }
    void SetCurrent(CellPos cell) { current_ = anchor_ = cell; }
    int PixelShift() const { return pixelShift_; }

    // The layout at the window's client size, worked out once per change of
    // the grid's state or the client size.
    const GridLayout& Layout() const;
    GridLayout ComputeLayout() const { return Layout(); }
    GridLayout ComputeLayout(int clientWidth, int clientHeight) const;
    // Left or top pixel of a cell; 0 when it is not shown.
    int CellStart(Axis axis, int cell) const;
    QRect CellBounds(int col, int row) const;
    QRect RangeBounds(int firstCol, int lastCol, int firstRow, int lastRow, bool includeLines) const;
    // The cell under a point; (-1, -1) for a point on no cell.
    CellPos CellAtPoint(int x, int y) const;
    int FirstCellToFit(Axis axis, int last) const;
    CellPos MaxTopLeft() const;
    void SetTopLeft(int leftCol, int topRow);
    void BringCellIntoView(int col, int row);
    int WholeColsInView() const;
    int WholeRowsInView() const;
    void HandleScrollMessage(Axis axis, ScrollCode code, int thumbPosition);
    void RefreshScrollBars();

    void InvalidateCell(int col, int row);
    virtual void InvalidateRow(int row);
    void InvalidateCol(int col);
    void InvalidateRect(int firstCol, int lastCol, int firstRow, int lastRow);
    void InvalidateGrid();

    // The window changed size: the scroll bars follow, and with contra cells
    // (laid out from the far edges) everything is repainted.
    virtual void Resized();

    // The update bracket: while entered, painting draws nothing.
    void BeginUpdate() { ++updateLock_; }
    void EndUpdate() { updateLock_ = qMax(0, updateLock_ - 1); }
    bool UpdateLocked() const { return updateLock_ > 0; }

protected:
    // Where the horizontal bar's thumb stands for the left column, 0 to kScrollRange.
    int HorzScrollPosition(int maxLeft) const;
    // The top-left cell changed.
    virtual void TopLeftChanged() {}
    // Whether this grid drives a vertical scroll bar of its own kind.
    virtual bool ShowsBaseVertScrollBar() const { return true; }

    // The grid's state changed: the layout is worked out anew when next needed.
    void ForgetLayout() { layout_.reset(); }

private:
    AxisLayout LayOutAxis(Axis axis, int clientExtent) const;
    bool AxisRange(const AxisLayout& a, int first, int last, bool includeLines, int& near, int& far) const;
    int AxisCellAt(const AxisLayout& a, int coord) const;
    int FirstCellToFit(const AxisLayout& a, int last) const;
    void MoveTopLeft(CellPos from, const GridLayout& before);
    void ShiftPixels(Axis axis, int from, int to, const GridLayout& before);
    void KeepCellsInRange();
    void UpdateHorzScrollPosition();
    void ResizeExtents(std::vector<int>& extents, int oldCount, int newCount, int contraCount, int fill);
    // Tab stops for every column, new ones on.
    void FitTabStops() { tabStops_.resize(size_t(colCount_), true); }
    void SetExtent(std::vector<int>& extents, int cell, int extent);
    void SetContraCount(std::vector<int>& extents, int cellCount, int& contraCount, int count, int fill,
                        const char* negativeMessage);

    ControlWindow* window_ = nullptr;
    int colCount_ = 5;
    int rowCount_ = 5;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    int frozenFixedCols_ = 0;
    int frozenRows_ = 0;
    int contraColCount_ = 0;
    int contraRowCount_ = 0;
    int defaultColWidth_ = kDefaultColWidth;
    int defaultRowHeight_ = 24;
    int gridLineWidth_ = 1;
    std::vector<int> colWidths_;
    std::vector<char> tabStops_;
    std::vector<int> rowHeights_;
    OptionSet options_;
    CellGrid::ScrollStyle scrollBars_ = CellGrid::ScrollStyle::Both;
    int leftCol_ = 1;
    int topRow_ = 1;
    CellPos current_{1, 1};
    CellPos anchor_{1, 1};
    mutable std::optional<GridLayout> layout_;
    mutable QSize layoutClient_;
    int pixelShift_ = 0;
    int updateLock_ = 0;
};
