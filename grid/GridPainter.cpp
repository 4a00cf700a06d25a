// The painting pass: grid lines area by area, the cells of each area, the
// empty areas and the footer band.
#include "GridPainter.h"

#include "DataGrid.h"

#include "platform/Canvas.h"
#include "platform/Colours.h"

#include <vector>

namespace {

using Place = GridLineColours::Place;

// A run of cells of one axis: first to end (exclusive).
struct Span {
    int first = 0;
    int end = 0;
};

// The scrolling cells that start before the scroll limit.
Span scrollingCells(const AxisLayout& a)
{
    Span cells{a.firstScrollCell, a.firstScrollCell};
    while (cells.end < a.cellCount && a.shownStart(cells.end) >= 0 && a.startOf(cells.end) < a.scrollLimit)
        ++cells.end;
    return cells;
}

// Line segments gathered per colour, each colour drawn with one poly-polyline.
class Lines {
public:
    void add(const QColor& colour, QPoint from, QPoint to)
    {
        for (auto& [rgb, segments] : byColour_)
            if (rgb == colour.rgb()) {
                segments.append(QPolygon({from, to}));
                return;
            }
        byColour_.push_back({colour.rgb(), {QPolygon({from, to})}});
    }

    // A vertical line after each shown cell of a column span, from top to bottom.
    void addColumnLines(const AxisLayout& columns, Span cells, int top, int bottom, const QColor& colour)
    {
        addLines(columns, cells, top, bottom, colour, [](int x, int y) { return QPoint(x, y); });
    }

    // A horizontal line under each shown cell of a row span, from left to right.
    void addRowLines(const AxisLayout& rows, Span cells, int left, int right, const QColor& colour)
    {
        addLines(rows, cells, left, right, colour, [](int y, int x) { return QPoint(x, y); });
    }

    // A line after each shown cell of the span along the axis, across from `from` to before `to`;
    // point(along, across) places a pixel.
    template <typename Point>
    void addLines(const AxisLayout& axis, Span cells, int from, int to, const QColor& colour, Point point)
    {
        if (axis.linePx <= 0 || to <= from)
            return;
        for (int c = cells.first; c < cells.end; ++c)
            if (axis.extentOf(c) > 0 && axis.shownStart(c) >= 0) {
                const int at = axis.startOf(c) + axis.extentOf(c) + axis.linePx / 2;
                add(colour, point(at, from), point(at, to - 1));
            }
    }

    void draw(Canvas& canvas, int width) const
    {
        for (const auto& [rgb, segments] : byColour_) {
            canvas.setPen(QColor(rgb), width, Canvas::PenStyle::Solid);
            canvas.polyPolyline(segments);
        }
    }

private:
    std::vector<std::pair<QRgb, QList<QPolygon>>> byColour_;
};

} // namespace

void GridPainter::paint(Canvas& canvas, const QRegion& invalid)
{
    if (grid_.updateLocked())
        return;
    const GridLayout& layout = grid_.layout();
    const AxisLayout& c = layout.columns;
    const AxisLayout& r = layout.rows;
    const bool footerBand = c.contraCount > 0 || r.contraCount > 0;
    // The main passes stay out of the footer band.
    if (footerBand)
        canvas.setClipRect(QRect(0, 0, c.contraStart, r.contraStart));

    paintGridLines(canvas, layout);
    const int frozenFirst = c.fixedCount - c.frozenCount;
    const Span scrollCols = scrollingCells(c);
    const Span dataRows = scrollingCells(r);
    paintArea(canvas, invalid, 0, c.fixedCount, 0, r.fixedCount, true);
    paintArea(canvas, invalid, scrollCols.first, scrollCols.end, 0, r.fixedCount, true);
    paintArea(canvas, invalid, 0, frozenFirst, dataRows.first, dataRows.end, true);
    paintArea(canvas, invalid, frozenFirst, c.fixedCount, dataRows.first, dataRows.end, false);
    paintArea(canvas, invalid, scrollCols.first, scrollCols.end, dataRows.first, dataRows.end, false);

    // Right of the last column, and between the last record and the footer.
    const QColor empty = grid_.appearance().color.resolved();
    if (c.cellsEnd < c.scrollLimit)
        canvas.fillRect(QRect(QPoint(c.cellsEnd, 0), QPoint(c.scrollLimit - 1, r.cellsEnd - 1)), empty);
    if (r.cellsEnd < r.scrollLimit)
        canvas.fillRect(QRect(QPoint(0, r.cellsEnd), QPoint(c.clientExtent - 1, r.scrollLimit - 1)), empty);

    if (footerBand) {
        canvas.restoreClip();
        paintFooterBand(canvas, invalid, layout);
    }
    paintDragMarker(canvas, layout);
}

void GridPainter::paintDragMarker(Canvas& canvas, const GridLayout& layout) const
{
    // The sizing line down the cells; the moving marker five pixels wide down the client area.
    const GridMouse::Drag drag = grid_.mouse().state();
    if (drag != GridMouse::Drag::Sizing && drag != GridMouse::Drag::Moving)
        return;
    const int x = grid_.mouse().markerX();
    if (drag == GridMouse::Drag::Sizing)
        canvas.xorDottedLine(QPoint(x, 0), QPoint(x, layout.rows.paintEnd - 1));
    else
        for (int dx = -2; dx <= 2; ++dx)
            canvas.xorDottedLine(QPoint(x + dx, 0), QPoint(x + dx, layout.rows.clientExtent - 1));
}

void GridPainter::paintGridLines(Canvas& canvas, const GridLayout& layout) const
{
    const AxisLayout& c = layout.columns;
    const AxisLayout& r = layout.rows;
    if (c.linePx <= 0 && r.linePx <= 0)
        return;
    const QColor fixed = grid_.gridLineColors().colourAt(Place::FixedCells);
    const QColor data = grid_.gridLineColors().colourAt(Place::DataCells);

    const Span fixedCols{0, c.fixedCount};
    const Span indicatorCols{0, c.fixedCount - c.frozenCount};
    const Span frozenCols{c.fixedCount - c.frozenCount, c.fixedCount};
    const Span scrollCols = scrollingCells(c);
    const Span titleRows{0, r.fixedCount};
    const Span dataRows = scrollingCells(r);
    // Area by area, each area's segments in one go per colour.
    const int width = grid_.gridLineWidth();
    const auto area = [&](Span cols, Span rows, QRect bounds, const QColor& colour) {
        Lines lines;
        lines.addColumnLines(c, cols, bounds.top(), bounds.top() + bounds.height(), colour);
        lines.addRowLines(r, rows, bounds.left(), bounds.left() + bounds.width(), colour);
        lines.draw(canvas, width);
    };
    const QRect titles(QPoint(0, 0), QPoint(c.fixedEnd - 1, r.fixedEnd - 1));
    area(fixedCols, titleRows, titles, fixed);  // the fixed corner: indicator and frozen titles
    area(scrollCols, titleRows, QRect(QPoint(c.fixedEnd, 0), QPoint(c.cellsEnd - 1, r.fixedEnd - 1)), fixed);
    area(indicatorCols, dataRows, QRect(QPoint(0, r.fixedEnd), QPoint(c.frozenStart - 1, r.cellsEnd - 1)), fixed);
    area(frozenCols, dataRows, QRect(QPoint(c.frozenStart, r.fixedEnd), QPoint(c.fixedEnd - 1, r.cellsEnd - 1)), data);
    if (c.frozenCount > 0 && c.linePx > 0 && r.cellsEnd > r.fixedEnd) {
        Lines separator;
        separator.add(grid_.gridLineColors().colourAt(Place::FrozenSeparator), QPoint(c.fixedEnd - 1, r.fixedEnd),
                      QPoint(c.fixedEnd - 1, r.cellsEnd - 1));
        separator.draw(canvas, width);
    }
    area(scrollCols, dataRows, QRect(QPoint(c.fixedEnd, r.fixedEnd), QPoint(c.cellsEnd - 1, r.cellsEnd - 1)), data);
}

void GridPainter::paintArea(Canvas& canvas, const QRegion& invalid, int firstCol, int endCol, int firstRow, int endRow,
                         bool fixed)
{
    for (int row = firstRow; row < endRow; ++row)
        for (int col = firstCol; col < endCol; ++col) {
            const QRect rect = grid_.cellBounds(col, row);
            if (rect.isEmpty() || !invalid.intersects(rect))
                continue;
            // The selection is the current cell; it is focused while the grid holds the focus.
            // The open editor covers the current cell.
            const bool current = CellPos{col, row} == grid_.current();
            if (current && grid_.editor().shown())
                continue;
            paintCell(canvas, col, row, {current, current && gridFocused(), fixed}, rect);
        }
}

void GridPainter::paintFooterBand(Canvas& canvas, const QRegion& invalid, const GridLayout& layout)
{
    const AxisLayout& c = layout.columns;
    const AxisLayout& r = layout.rows;
    const int top = r.contraStart + r.linePx;
    const int bottom = r.clientExtent;
    const Span indicatorCols{0, c.fixedCount - c.frozenCount};
    const Span frozenCols{c.fixedCount - c.frozenCount, c.fixedCount};
    const Span scrollCols = scrollingCells(c);
    const Span footerRows{r.cellCount, r.allCellCount};
    const QColor fixedLine = grid_.gridLineColors().colourAt(Place::FixedCells);
    const QColor footerLine = grid_.gridLineColors().colourAt(Place::FooterCells);

    const int width = grid_.gridLineWidth();
    const auto area = [&](Span cols, int left, int right, const QColor& colour) {
        Lines lines;
        lines.addColumnLines(c, cols, top, bottom, colour);
        lines.addRowLines(r, footerRows, left, right, colour);
        lines.draw(canvas, width);
    };
    area(indicatorCols, 0, c.frozenStart, fixedLine);
    area(frozenCols, c.frozenStart, c.fixedEnd, footerLine);
    Lines separators;
    if (c.frozenCount > 0 && c.linePx > 0)
        separators.add(grid_.gridLineColors().colourAt(Place::FrozenSeparator), QPoint(c.fixedEnd - 1, top), QPoint(c.fixedEnd - 1, bottom - 1));
    separators.draw(canvas, width);
    area(scrollCols, c.fixedEnd, c.cellsEnd, footerLine);
    // The separator above the footer rows.
    if (r.linePx > 0) {
        Lines above;
        const QColor separator = grid_.gridLineColors().colourAt(Place::FooterSeparator);
        above.add(separator, QPoint(0, r.contraStart), QPoint(c.fixedEnd - 1, r.contraStart));
        if (c.cellsEnd > c.fixedEnd)
            above.add(separator, QPoint(c.fixedEnd, r.contraStart), QPoint(c.cellsEnd - 1, r.contraStart));
        above.draw(canvas, width);
    }

    paintArea(canvas, invalid, indicatorCols.first, indicatorCols.end, footerRows.first, footerRows.end, true);
    paintArea(canvas, invalid, frozenCols.first, frozenCols.end, footerRows.first, footerRows.end, false);
    paintArea(canvas, invalid, scrollCols.first, scrollCols.end, footerRows.first, footerRows.end, false);
    if (c.cellsEnd < c.clientExtent)
        canvas.fillRect(QRect(QPoint(c.cellsEnd, r.contraStart), QPoint(c.clientExtent - 1, bottom - 1)),
                        grid_.appearance().color.resolved());
}
