#pragma once

#include "GridLayout.h"

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

// numerator / denominator rounded to the nearest integer, halves away from zero.
constexpr int RoundedQuotient(qint64 numerator, qint64 denominator)
{
    return int((numerator * 2 + (numerator >= 0 ? denominator : -denominator)) / (denominator * 2));
}

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
    // The horizontal bar over the scrolling columns; the vertical one is the data grid's own.
    bool ShowsHorzBar() const { return showsHorzBar_; }
    void SetShowsHorzBar(bool shows);

    int LeftCol() const { return leftCol_; }
    int TopRow() const { return topRow_; }
    CellPos Current() const { return current_; }
    void SetCurrent(CellPos cell) { current_ = anchor_ = cell; }

    // The layout at the window's client size, worked out once per change of
    // the grid's state or the client size.
    const GridLayout& Layout() const;
    QRect CellBounds(int col, int row) const;
    QRect RangeBounds(int firstCol, int lastCol, int firstRow, int lastRow, bool includeLines) const;
    // The cell under a point; (-1, -1) for a point on no cell.
    CellPos CellAtPoint(int x, int y) const;
    CellPos MaxTopLeft() const;
    void SetTopLeft(int leftCol, int topRow);
    void BringCellIntoView(int col, int row);
    void HandleScrollMessage(Axis axis, ScrollCode code, int thumbPosition);
    void RefreshScrollBars();

    virtual void InvalidateRow(int row);
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

    // The grid's state changed: the layout is worked out anew when next needed.
    void ForgetLayout() { layout_.reset(); }

private:
    void MoveTopLeft(CellPos from, const GridLayout& before);
    void ShiftPixels(Axis axis, int from, int to, const GridLayout& before);
    void KeepCellsInRange();
    // The layout of one axis at a client extent.
    AxisLayout LayOutAxis(Axis axis, int clientExtent) const;
    // Extents or lines changed: the layout, the bars and the picture follow.
    void GeometryChanged();
    void UpdateHorzScrollPosition();

    ControlWindow* window_ = nullptr;
    int colCount_ = 5;
    int rowCount_ = 5;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    int frozenFixedCols_ = 0;
    int contraColCount_ = 0;
    int contraRowCount_ = 0;
    int defaultRowHeight_ = 24;
    int gridLineWidth_ = 1;
    std::vector<int> colWidths_;
    std::vector<char> tabStops_;
    std::vector<int> rowHeights_;
    OptionSet options_;
    bool showsHorzBar_ = true;
    int leftCol_ = 1;
    int topRow_ = 1;
    CellPos current_{1, 1};
    CellPos anchor_{1, 1};
    mutable std::optional<GridLayout> layout_;
    mutable QSize layoutClient_;
    int updateLock_ = 0;
};
