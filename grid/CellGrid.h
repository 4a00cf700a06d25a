#pragma once

#include "GridLayout.h"

#include "platform/ControlWindow.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>
#include <vector>

// numerator / denominator rounded to the nearest integer, halves away from zero.
constexpr int roundedQuotient(qint64 numerator, qint64 denominator)
{
    return int((numerator * 2 + (numerator >= 0 ? denominator : -denominator)) / (denominator * 2));
}

struct CellPos {
    int col = 0;
    int row = 0;
    bool operator==(const CellPos&) const = default;
};

// The general cell grid: counts, extents, fixed, frozen and contra rows,
// hit testing, scrolling by whole cells and its scroll bars. It knows nothing
// of data; it reaches the screen only through its window.
class CellGrid {
public:
    // The horizontal bar's range: 0 to this, whatever the column count.
    static constexpr int kScrollRange = 127;
    static constexpr int kDefaultColWidth = 64;

    CellGrid();
    virtual ~CellGrid() = default;

    void setWindow(ControlWindow* window) { window_ = window; }
    ControlWindow* window() const { return window_; }

    int colCount() const { return colCount_; }
    void setColCount(int count);
    int rowCount() const { return rowCount_; }
    void setRowCount(int count);
    int fixedCols() const { return fixedCols_; }
    void setFixedCols(int count);
    int fixedRows() const { return fixedRows_; }
    void setFixedRows(int count);
    // How many of the last fixed columns are frozen data columns: they stay
    // in place like fixed ones yet may be current.
    int frozenFixedCols() const { return frozenFixedCols_; }
    void setFrozenFixedCols(int count);
    int contraRowCount() const { return contraRowCount_; }
    void setContraRowCount(int count);

    int defaultRowHeight() const { return defaultRowHeight_; }
    // Every row takes the new height.
    void setDefaultRowHeight(int height);
    int colWidth(int col) const { return colWidths_.at(size_t(col)); }
    void setColWidth(int col, int width);
    int rowHeight(int row) const { return rowHeights_.at(size_t(row)); }
    void setRowHeight(int row, int height);
    int gridLineWidth() const { return gridLineWidth_; }
    // Whether Tab stops at a column; every column does until told otherwise.
    bool tabStop(int col) const { return tabStops_.at(size_t(col)); }
    void setTabStop(int col, bool on);

    int leftCol() const { return leftCol_; }
    int topRow() const { return topRow_; }
    CellPos current() const { return current_; }
    void setCurrent(CellPos cell) { current_ = cell; }

    // The layout at the window's client size, worked out once per change of
    // the grid's state or the client size.
    const GridLayout& layout() const;
    QRect cellBounds(int col, int row) const;
    QRect rangeBounds(int firstCol, int lastCol, int firstRow, int lastRow, bool includeLines) const;
    // The cell under a point; (-1, -1) for a point on no cell.
    CellPos cellAtPoint(int x, int y) const;
    CellPos maxTopLeft() const;
    void setTopLeft(int leftCol, int topRow);
    void bringCellIntoView(int col, int row);
    void handleScrollMessage(Axis axis, ScrollCode code, int thumbPosition);
    void refreshScrollBars();

    virtual void invalidateRow(int row);
    void invalidateRect(int firstCol, int lastCol, int firstRow, int lastRow);
    void invalidateGrid();

    // The window changed size: the scroll bars follow, and with contra cells
    // (laid out from the far edges) everything is repainted.
    virtual void resized();

    // The update bracket: while entered, painting draws nothing.
    void beginUpdate() { ++updateLock_; }
    void endUpdate() { updateLock_ = qMax(0, updateLock_ - 1); }
    bool updateLocked() const { return updateLock_ > 0; }

protected:
    // Where the horizontal bar's thumb stands for the left column, 0 to kScrollRange.
    int horzScrollPosition(int maxLeft) const;
    // The top-left cell changed.
    virtual void topLeftChanged() {}

    // The grid's state changed: the layout is worked out anew when next needed.
    void forgetLayout() { layout_.reset(); }

private:
    void moveTopLeft(CellPos from, const GridLayout& before);
    void shiftPixels(Axis axis, int from, int to, const GridLayout& before);
    void keepCellsInRange();
    // The layout of one axis at a client extent.
    AxisLayout layOutAxis(Axis axis, int clientExtent) const;
    // Extents or lines changed: the layout, the bars and the picture follow.
    void geometryChanged();
    void updateHorzScrollPosition();

    ControlWindow* window_ = nullptr;
    int colCount_ = 5;
    int rowCount_ = 5;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    int frozenFixedCols_ = 0;
    int contraRowCount_ = 0;
    int defaultRowHeight_ = 24;
    int gridLineWidth_ = 1;
    std::vector<int> colWidths_;
    std::vector<char> tabStops_;
    std::vector<int> rowHeights_;
    int leftCol_ = 1;
    int topRow_ = 1;
    CellPos current_{1, 1};
    mutable std::optional<GridLayout> layout_;
    mutable QSize layoutClient_;
    int updateLock_ = 0;
};
