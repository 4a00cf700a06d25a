#pragma once

#include "platform/ControlWindow.h"
#include "platform/Errors.h"

#include <QPoint>
#include <QRect>
#include <vector>

// Raised by invalid grid operations; the grid stays as it was.
class EInvalidGridOperationEh : public Exception {
public:
    using Exception::Exception;
};

// Base options of the cell grid, as bits.
enum TGridOptionEh {
    goFixedVertLineEh = 0x0001,
    goFixedHorzLineEh = 0x0002,
    goVertLineEh = 0x0004,
    goHorzLineEh = 0x0008,
    goRangeSelectEh = 0x0010,
    goRowSizingEh = 0x0040,
    goColSizingEh = 0x0080,
    goRowMovingEh = 0x0100,
    goColMovingEh = 0x0200,
    goEditingEh = 0x0400,
    goTabsEh = 0x0800,
    goRowSelectEh = 0x1000,
    goAlwaysShowEditorEh = 0x2000,
    goThumbTrackingEh = 0x4000,
};

// A small set of option bits whose stored value is the sum of its bits.
template <typename Enum>
class TOptionSet {
public:
    constexpr TOptionSet(unsigned value = 0) : value_(value) {}
    constexpr bool Has(Enum option) const { return value_ & unsigned(option); }
    constexpr void Set(Enum option, bool on) { value_ = on ? value_ | unsigned(option) : value_ & ~unsigned(option); }
    constexpr unsigned Value() const { return value_; }
    constexpr bool operator==(const TOptionSet&) const = default;

private:
    unsigned value_;
};
using TGridOptionsEh = TOptionSet<TGridOptionEh>;

enum TScrollStyleEh { ssNoneEh, ssHorizontalEh, ssVerticalEh, ssBothEh };
enum TGridAxisEh { gaColumns, gaRows };

// The layout of one axis, worked out from the grid's state when needed.
struct GridAxisLayout {
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

    int ExtentOf(int cell) const { return (*Extents)[size_t(cell)]; }
};

struct GridLayout {
    GridAxisLayout Columns;
    GridAxisLayout Rows;
    const GridAxisLayout& Axis(TGridAxisEh axis) const { return axis == gaColumns ? Columns : Rows; }
};

struct TGridCoordEh {
    int Col = 0;
    int Row = 0;
    bool operator==(const TGridCoordEh&) const = default;
};

// The general cell grid: counts, extents, fixed, frozen and contra cells,
// hit testing, scrolling by whole cells and its scroll bars. It knows nothing
// of data; it reaches the screen only through its window.
class TCustomGridEh {
public:
    TCustomGridEh();
    virtual ~TCustomGridEh() = default;

    void SetWindow(TControlWindow* window) { window_ = window; }
    TControlWindow* Window() const { return window_; }

    int ColCount() const { return colCount_; }
    void SetColCount(int count);
    int RowCount() const { return rowCount_; }
    void SetRowCount(int count);
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int count);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int count);
    int FrozenCols() const { return frozenCols_; }
    void SetFrozenCols(int count);
    int ContraColCount() const { return contraColCount_; }
    void SetContraColCount(int count);
    int ContraRowCount() const { return contraRowCount_; }
    void SetContraRowCount(int count);

    // Removes normal rows or columns with their extents; more than there are
    // raises "Too many rows or columns deleted".
    void DeleteColumns(int first, int count);
    void DeleteRows(int first, int count);

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

    TGridOptionsEh Options() const { return options_; }
    void SetOptions(TGridOptionsEh options);
    TScrollStyleEh ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyleEh style);

    int LeftCol() const { return leftCol_; }
    int TopRow() const { return topRow_; }
    TGridCoordEh Current() const { return current_; }
    void SetCurrent(TGridCoordEh cell) { current_ = anchor_ = cell; }
    int PixelShift() const { return pixelShift_; }

    GridLayout ComputeLayout() const;
    GridLayout ComputeLayout(int clientWidth, int clientHeight) const;
    // Left or top pixel of a cell; 0 when it is not shown.
    int CellStart(TGridAxisEh axis, int cell) const;
    QRect CellBounds(int col, int row) const;
    QRect RangeBounds(int firstCol, int lastCol, int firstRow, int lastRow, bool includeLines) const;
    // The cell under a point; (-1, -1) for a point on no cell.
    TGridCoordEh CellAtPoint(int x, int y) const;
    int FirstCellToFit(TGridAxisEh axis, int last) const;
    TGridCoordEh MaxTopLeft() const;
    void SetTopLeft(int leftCol, int topRow);
    void BringCellIntoView(int col, int row);
    int WholeColsInView() const;
    int WholeRowsInView() const;
    void HandleScrollMessage(TGridAxisEh axis, TScrollCodeEh code, int thumbPosition);
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
    // The top-left cell changed.
    virtual void TopLeftChanged() {}
    // Whether this grid drives a vertical scroll bar of its own kind.
    virtual bool ShowsBaseVertScrollBar() const { return true; }

private:
    GridAxisLayout AxisLayout(TGridAxisEh axis, int clientExtent) const;
    // The start of a cell, or -1 when it is not shown.
    int ShownCellStart(const GridAxisLayout& a, int cell) const;
    bool AxisRange(const GridAxisLayout& a, int first, int last, bool includeLines, int& near, int& far) const;
    int AxisCellAt(const GridAxisLayout& a, int coord) const;
    int FirstCellToFit(const GridAxisLayout& a, int last) const;
    void MoveTopLeft(TGridCoordEh from, const GridLayout& before);
    void ShiftPixels(TGridAxisEh axis, int from, int to, const GridLayout& before);
    void KeepCellsInRange();
    int HorzScrollPosition(int maxLeft) const;
    void UpdateHorzScrollPosition();
    void ResizeExtents(std::vector<int>& extents, int oldCount, int newCount, int contraCount, int fill);
    void SetExtent(std::vector<int>& extents, int cell, int extent);
    void SetContraCount(std::vector<int>& extents, int cellCount, int& contraCount, int count, int fill,
                        const char* negativeMessage);

    TControlWindow* window_ = nullptr;
    int colCount_ = 5;
    int rowCount_ = 5;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    int frozenCols_ = 0;
    int frozenRows_ = 0;
    int contraColCount_ = 0;
    int contraRowCount_ = 0;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    int gridLineWidth_ = 1;
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    TGridOptionsEh options_;
    TScrollStyleEh scrollBars_ = ssBothEh;
    int leftCol_ = 1;
    int topRow_ = 1;
    TGridCoordEh current_{1, 1};
    TGridCoordEh anchor_{1, 1};
    int pixelShift_ = 0;
    int updateLock_ = 0;
};
