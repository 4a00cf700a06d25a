// The painting pass: grid lines area by area, the cells of each area, the
// empty areas and the footer band.
#include "GridPainter.h"

#include "DataGrid.h"

#include "platform/Canvas.h"
#include "platform/Colours.h"

#include <vector>

namespace {

using Option = DataGrid::Option;

using CellOption = CellGrid::Option;
using Place = GridLineColours::Place;

// A run of cells of one axis: first to end (exclusive).
struct Span {
    int First = 0;
    int End = 0;
};

// The scrolling cells that start before the scroll limit.
Span ScrollingCells(const AxisLayout& a)
{
    Span cells{a.FirstScrollCell, a.FirstScrollCell};
    while (cells.End < a.CellCount && a.ShownStart(cells.End) >= 0 && a.StartOf(cells.End) < a.ScrollLimit)
        ++cells.End;
    return cells;
}

// Line segments gathered per colour, each colour drawn with one poly-polyline.
class Lines {
public:
    void Add(const QColor& colour, QPoint from, QPoint to)
    {
        for (auto& [rgb, segments] : byColour_)
            if (rgb == colour.rgb()) {
                segments.append(QPolygon({from, to}));
                return;
            }
        byColour_.push_back({colour.rgb(), {QPolygon({from, to})}});
    }

    // A vertical line after each shown cell of a column span, from top to bottom.
    void AddColumnLines(const AxisLayout& columns, Span cells, int top, int bottom, const QColor& colour)
    {
        AddLines(columns, cells, top, bottom, colour, [](int x, int y) { return QPoint(x, y); });
    }

    // A horizontal line under each shown cell of a row span, from left to right.
    void AddRowLines(const AxisLayout& rows, Span cells, int left, int right, const QColor& colour)
    {
        AddLines(rows, cells, left, right, colour, [](int y, int x) { return QPoint(x, y); });
    }

    // A line after each shown cell of the span along the axis, across from `from` to before `to`;
    // point(along, across) places a pixel.
    template <typename Point>
    void AddLines(const AxisLayout& axis, Span cells, int from, int to, const QColor& colour, Point point)
    {
        if (axis.LinePx <= 0 || to <= from)
            return;
        for (int c = cells.First; c < cells.End; ++c)
            if (axis.ExtentOf(c) > 0 && axis.ShownStart(c) >= 0) {
                const int at = axis.StartOf(c) + axis.ExtentOf(c) + axis.LinePx / 2;
                Add(colour, point(at, from), point(at, to - 1));
            }
    }

    void Draw(Canvas& canvas, int width) const
    {
        for (const auto& [rgb, segments] : byColour_) {
            canvas.SetPen(QColor(rgb), width, Canvas::PenStyle::Solid);
            canvas.PolyPolyline(segments);
        }
    }

private:
    std::vector<std::pair<QRgb, QList<QPolygon>>> byColour_;
};

} // namespace

void GridPainter::Paint(Canvas& canvas, const QRegion& invalid)
{
    if (grid_.UpdateLocked())
        return;
    const GridLayout& layout = grid_.Layout();
    const AxisLayout& c = layout.Columns;
    const AxisLayout& r = layout.Rows;
    const bool footerBand = c.ContraCount > 0 || r.ContraCount > 0;
    // The main passes stay out of the footer band.
    if (footerBand)
        canvas.SetClipRect(QRect(0, 0, c.ContraStart, r.ContraStart));

    PaintGridLines(canvas, layout);
    const int frozenFirst = c.FixedCount - c.FrozenCount;
    const Span scrollCols = ScrollingCells(c);
    const Span dataRows = ScrollingCells(r);
    PaintArea(canvas, invalid, 0, c.FixedCount, 0, r.FixedCount, true);
    PaintArea(canvas, invalid, scrollCols.First, scrollCols.End, 0, r.FixedCount, true);
    PaintArea(canvas, invalid, 0, frozenFirst, dataRows.First, dataRows.End, true);
    PaintArea(canvas, invalid, frozenFirst, c.FixedCount, dataRows.First, dataRows.End, false);
    PaintArea(canvas, invalid, scrollCols.First, scrollCols.End, dataRows.First, dataRows.End, false);

    // Right of the last column, and between the last record and the footer.
    const QColor empty = grid_.Appearance().Color.Resolved();
    if (c.CellsEnd < c.ScrollLimit)
        canvas.FillRect(QRect(QPoint(c.CellsEnd, 0), QPoint(c.ScrollLimit - 1, r.CellsEnd - 1)), empty);
    if (r.CellsEnd < r.ScrollLimit)
        canvas.FillRect(QRect(QPoint(0, r.CellsEnd), QPoint(c.ClientExtent - 1, r.ScrollLimit - 1)), empty);

    if (footerBand) {
        canvas.RestoreClip();
        PaintFooterBand(canvas, invalid, layout);
    }
    PaintDragMarker(canvas, layout);
}

void GridPainter::PaintDragMarker(Canvas& canvas, const GridLayout& layout) const
{
    // The sizing line down the cells; the moving marker five pixels wide down the client area.
    const GridMouse::Drag drag = grid_.Mouse().State();
    if (drag != GridMouse::Drag::Sizing && drag != GridMouse::Drag::Moving)
        return;
    const int x = grid_.Mouse().MarkerX();
    if (drag == GridMouse::Drag::Sizing)
        canvas.XorDottedLine(QPoint(x, 0), QPoint(x, layout.Rows.PaintEnd - 1));
    else
        for (int dx = -2; dx <= 2; ++dx)
            canvas.XorDottedLine(QPoint(x + dx, 0), QPoint(x + dx, layout.Rows.ClientExtent - 1));
}

void GridPainter::PaintGridLines(Canvas& canvas, const GridLayout& layout) const
{
    const AxisLayout& c = layout.Columns;
    const AxisLayout& r = layout.Rows;
    if (c.LinePx <= 0 && r.LinePx <= 0)
        return;
    const QColor fixedLine = grid_.GridLineColors().ColourAt(Place::FixedCells);
    const QColor dataLine = grid_.GridLineColors().ColourAt(Place::DataCells);
    const QColor fixedBack = grid_.Appearance().FixedColor.Resolved();
    const QColor dataBack = grid_.Appearance().Color.Resolved();
    // A line whose option is off is drawn in its area's background.
    const QColor fixedVert = grid_.CellOptions().Has(CellOption::FixedVertLine) ? fixedLine : fixedBack;
    const QColor fixedHorz = grid_.CellOptions().Has(CellOption::FixedHorzLine) ? fixedLine : fixedBack;
    const QColor dataVert = grid_.CellOptions().Has(CellOption::VertLine) ? dataLine : dataBack;
    const QColor dataHorz = grid_.CellOptions().Has(CellOption::HorzLine) ? dataLine : dataBack;

    const Span fixedCols{0, c.FixedCount};
    const Span indicatorCols{0, c.FixedCount - c.FrozenCount};
    const Span frozenCols{c.FixedCount - c.FrozenCount, c.FixedCount};
    const Span scrollCols = ScrollingCells(c);
    const Span titleRows{0, r.FixedCount};
    const Span dataRows = ScrollingCells(r);
    // Area by area, each area's segments in one go per colour.
    const int width = grid_.GridLineWidth();
    const auto area = [&](Span cols, Span rows, QRect bounds, const QColor& vert, const QColor& horz) {
        Lines lines;
        lines.AddColumnLines(c, cols, bounds.top(), bounds.top() + bounds.height(), vert);
        lines.AddRowLines(r, rows, bounds.left(), bounds.left() + bounds.width(), horz);
        lines.Draw(canvas, width);
    };
    const QRect titles(QPoint(0, 0), QPoint(c.FixedEnd - 1, r.FixedEnd - 1));
    area(fixedCols, titleRows, titles, fixedVert, fixedHorz);  // the fixed corner: indicator and frozen titles
    area(scrollCols, titleRows, QRect(QPoint(c.FixedEnd, 0), QPoint(c.CellsEnd - 1, r.FixedEnd - 1)), fixedVert, fixedHorz);
    area(indicatorCols, dataRows, QRect(QPoint(0, r.FixedEnd), QPoint(c.FrozenStart - 1, r.CellsEnd - 1)), fixedVert, fixedHorz);
    area(frozenCols, dataRows, QRect(QPoint(c.FrozenStart, r.FixedEnd), QPoint(c.FixedEnd - 1, r.CellsEnd - 1)), dataVert, dataHorz);
    if (c.FrozenCount > 0 && c.LinePx > 0 && r.CellsEnd > r.FixedEnd) {
        Lines separator;
        separator.Add(grid_.GridLineColors().ColourAt(Place::FrozenSeparator), QPoint(c.FixedEnd - 1, r.FixedEnd),
                      QPoint(c.FixedEnd - 1, r.CellsEnd - 1));
        separator.Draw(canvas, width);
    }
    area(scrollCols, dataRows, QRect(QPoint(c.FixedEnd, r.FixedEnd), QPoint(c.CellsEnd - 1, r.CellsEnd - 1)), dataVert, dataHorz);
}

void GridPainter::PaintArea(Canvas& canvas, const QRegion& invalid, int firstCol, int endCol, int firstRow, int endRow,
                         bool fixed)
{
    for (int row = firstRow; row < endRow; ++row)
        for (int col = firstCol; col < endCol; ++col) {
            const QRect rect = grid_.CellBounds(col, row);
            if (rect.isEmpty() || !invalid.intersects(rect))
                continue;
            // The selection is the current cell; it is focused while the grid holds the focus.
            // The open editor covers the current cell.
            const bool current = CellPos{col, row} == grid_.Current();
            if (current && grid_.Editor().Shown())
                continue;
            try {
                PaintCell(canvas, col, row, {current, current && GridFocused(), fixed}, rect);
            } catch (const Exception& error) {
                // A cell that cannot be painted stays empty; its error is told once.
                const bool footer = row >= grid_.RowCount();
                canvas.FillRect(rect, (fixed ? grid_.Appearance().FixedColor : footer ? grid_.Appearance().FooterColor : grid_.Appearance().Color).Resolved());
                if (grid_.Window() && !reportedPaintErrors_.contains(error.Message())) {
                    reportedPaintErrors_.insert(error.Message());
                    grid_.Window()->ReportError(error.Message());
                }
            }
        }
}

void GridPainter::PaintFooterBand(Canvas& canvas, const QRegion& invalid, const GridLayout& layout)
{
    const AxisLayout& c = layout.Columns;
    const AxisLayout& r = layout.Rows;
    const int top = r.ContraStart + r.LinePx;
    const int bottom = r.ClientExtent;
    const Span indicatorCols{0, c.FixedCount - c.FrozenCount};
    const Span frozenCols{c.FixedCount - c.FrozenCount, c.FixedCount};
    const Span scrollCols = ScrollingCells(c);
    const Span footerRows{r.CellCount, r.AllCellCount};
    const QColor fixedLine = grid_.GridLineColors().ColourAt(Place::FixedCells);
    const QColor footerLine = grid_.GridLineColors().ColourAt(Place::FooterCells);

    const int width = grid_.GridLineWidth();
    const auto area = [&](Span cols, int left, int right, const QColor& colour) {
        Lines lines;
        lines.AddColumnLines(c, cols, top, bottom, colour);
        lines.AddRowLines(r, footerRows, left, right, colour);
        lines.Draw(canvas, width);
    };
    area(indicatorCols, 0, c.FrozenStart, fixedLine);
    area(frozenCols, c.FrozenStart, c.FixedEnd, footerLine);
    Lines separators;
    if (c.FrozenCount > 0 && c.LinePx > 0)
        separators.Add(grid_.GridLineColors().ColourAt(Place::FrozenSeparator), QPoint(c.FixedEnd - 1, top), QPoint(c.FixedEnd - 1, bottom - 1));
    separators.Draw(canvas, width);
    area(scrollCols, c.FixedEnd, c.CellsEnd, footerLine);
    // The separator above the footer rows.
    if (r.LinePx > 0) {
        Lines above;
        const QColor separator = grid_.GridLineColors().ColourAt(Place::FooterSeparator);
        above.Add(separator, QPoint(0, r.ContraStart), QPoint(c.FixedEnd - 1, r.ContraStart));
        if (c.CellsEnd > c.FixedEnd)
            above.Add(separator, QPoint(c.FixedEnd, r.ContraStart), QPoint(c.CellsEnd - 1, r.ContraStart));
        above.Draw(canvas, width);
    }

    PaintArea(canvas, invalid, indicatorCols.First, indicatorCols.End, footerRows.First, footerRows.End, true);
    PaintArea(canvas, invalid, frozenCols.First, frozenCols.End, footerRows.First, footerRows.End, false);
    PaintArea(canvas, invalid, scrollCols.First, scrollCols.End, footerRows.First, footerRows.End, false);
    if (c.CellsEnd < c.ClientExtent)
        canvas.FillRect(QRect(QPoint(c.CellsEnd, r.ContraStart), QPoint(c.ClientExtent - 1, bottom - 1)),
                        grid_.Appearance().Color.Resolved());
}
