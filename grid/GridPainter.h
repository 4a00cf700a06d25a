#pragma once

#include <QRegion>
#include <QString>

class Canvas;
class DataGrid;
class QColor;
class QRect;
struct CellKind;
struct CellTextLayout;
struct GridFont;
struct GridLayout;

// Paints the data grid, pixel for pixel: the grid lines area by area, the
// title, indicator, data and footer cells, the empty areas and the drag
// marker. It reads the grid's geometry, settings and rows and changes
// nothing of the grid; it remembers where it drew the record mark.
class GridPainter {
public:
    // How a cell is drawn: in the selection, the current cell of the focused
    // grid, a fixed cell.
    struct DrawState {
        bool selected = false;
        bool focused = false;
        bool fixed = false;
    };

    explicit GridPainter(DataGrid& grid) : grid_(grid) {}

    void paint(Canvas& canvas, const QRegion& invalid);
    // The row where the record mark was last drawn; -1 before any.
    int indicatorRow() const { return indicatorRow_; }

private:
    void paintGridLines(Canvas& canvas, const GridLayout& layout) const;
    void paintDragMarker(Canvas& canvas, const GridLayout& layout) const;
    void paintArea(Canvas& canvas, const QRegion& invalid, int firstCol, int endCol, int firstRow, int endRow, bool fixed);
    void paintFooterBand(Canvas& canvas, const QRegion& invalid, const GridLayout& layout);
    void paintCell(Canvas& canvas, int col, int row, DrawState state, const QRect& rect);
    void paintTitleCell(Canvas& canvas, const CellKind& kind, DrawState state, const QRect& rect);
    void paintIndicatorCell(Canvas& canvas, const CellKind& kind, int row, DrawState state, const QRect& rect);
    void paintDataCell(Canvas& canvas, const CellKind& kind, DrawState state, const QRect& rect);
    void paintFooterCell(Canvas& canvas, const CellKind& kind, DrawState state, const QRect& rect);
    bool isRaised(const CellKind& kind, DrawState state) const;
    QRect contentRect(const QRect& cell, bool raised) const;
    void drawRaisedEdge(Canvas& canvas, const QRect& rect, const QColor& background) const;
    // Writes a cell's text in its content rectangle, then a raised cell's edge.
    void writeCell(Canvas& canvas, const QRect& rect, bool raised, const CellTextLayout& layout, const GridFont& font,
                   const QColor& textColour, const QColor& brush, const QString& text) const;
    // The grid or its editor holds the focus.
    bool gridFocused() const;

    DataGrid& grid_;
    int indicatorRow_ = -1;
};
