// The data grid's cell painters: titles, the indicator with its record
// mark, data cells with their row colours and highlight, footers.
#include "CellText.h"
#include "GridPainter.h"

#include "DataGrid.h"
#include "GridStyle.h"

#include "db/Query.h"
#include "platform/Colours.h"

#include <QScopeGuard>

using namespace Qt::StringLiterals;

namespace {

using Option = DataGrid::Option;

using ExtraOption = DataGrid::ExtraOption;

// The grid's own colours of a highlighted cell.
const QColor kSelectedFixed(64, 64, 64);

} // namespace

bool GridPainter::gridFocused() const
{
    return grid_.window() && grid_.window()->focused();
}

bool GridPainter::isRaised(const CellKind& kind, DrawState state) const
{
    const bool frozen = kind.horz == CellKind::Column::Data && kind.dataCol < grid_.layoutSettings().frozenCols;
    return (state.fixed && grid_.extraOptions().has(ExtraOption::Fixed3D)
            && (kind.horz == CellKind::Column::Indicator || kind.vert == CellKind::Row::Title))
           || (grid_.extraOptions().has(ExtraOption::Footer3D) && grid_.layoutSettings().footerRowCount > 0 && kind.vert == CellKind::Row::Footer)
           || (grid_.extraOptions().has(ExtraOption::Data3D) && !state.fixed && kind.vert != CellKind::Row::Footer)
           || (grid_.extraOptions().has(ExtraOption::Frozen3D) && kind.vert == CellKind::Row::Data && frozen);
}

QRect GridPainter::contentRect(const QRect& cell, bool raised) const
{
    if (!raised)
        return cell;
    return grid_.appearance().flat ? cell.adjusted(1, 1, 0, 0) : cell.adjusted(1, 1, -1, -1);
}

void GridPainter::drawRaisedEdge(Canvas& canvas, const QRect& rect, bool sunken, const QColor& background) const
{
    canvas.drawEdge(rect, sunken ? Canvas::Edge::Sunken : Canvas::Edge::Raised, SystemColour::buttonHighlight().resolved(),
                    SystemColour::buttonShadow().resolved());
    if (!grid_.appearance().flat)
        return;
    // Flat: only the top and left edges stay.
    canvas.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), background);
    canvas.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), background);
}

void GridPainter::paintCell(Canvas& canvas, int col, int row, DrawState state, const QRect& rect)
{
    const CellKind kind = grid_.metrics().kindOf(col, row);
    if (kind.horz == CellKind::Column::Indicator)
        paintIndicatorCell(canvas, kind, row, state, rect);
    else if (kind.vert == CellKind::Row::Footer)
        paintFooterCell(canvas, kind, state, rect);
    else if (kind.vert == CellKind::Row::Data)
        paintDataCell(canvas, kind, state, rect);
    else
        paintTitleCell(canvas, kind, state, rect);
}

void GridPainter::paintTitleCell(Canvas& canvas, const CellKind& kind, DrawState state, const QRect& rect)
{
    const ColumnTitle& title = grid_.columns().item(kind.dataCol).title();
    const QColor brush = title.color().resolved();
    const bool raised = isRaised(kind, state);
    CellTextLayout text;
    text.dx = text.dy = 1;
    text.alignment = title.alignment();
    const GridFont font = title.font();
    writeCellText(canvas, contentRect(rect, raised), text, font, font.textColour.resolved(), brush, title.caption());
    if (raised)
        drawRaisedEdge(canvas, rect, false, brush);
}

void GridPainter::paintIndicatorCell(Canvas& canvas, const CellKind& kind, int row, DrawState state, const QRect& rect)
{
    const QColor brush = grid_.appearance().fixedColor.resolved();
    const bool raised = isRaised(kind, state);
    const QRect content = contentRect(rect, raised);
    canvas.fillRect(content, brush);
    // The current record's row carries the mark; an empty result's one row too.
    if (kind.vert == CellKind::Row::Data && grid_.resultOpen() && kind.dataRow == grid_.recordWindow().activeRecord()) {
        const QPixmap& image = GridStyle::instance().recordMark();
        // Centred in the rightmost indicator-width pixels of the content.
        const int right = content.left() + content.width();
        const int left = right - DataGrid::kIndicatorWidth;
        const int x = (left + right - image.width()) / 2 + 1;
        const int y = (content.top() + content.top() + content.height() - image.height()) / 2;
        canvas.drawPixmap(QPoint(x, y), image);
        indicatorRow_ = row;
    }
    if (raised)
        drawRaisedEdge(canvas, rect, false, brush);
}

void GridPainter::paintDataCell(Canvas& canvas, const CellKind& kind, DrawState state, const QRect& rect)
{
    GridColumn& column = grid_.columns().item(kind.dataCol);
    if (!grid_.resultOpen() || kind.dataRow >= grid_.recordWindow().recordCount()) {
        canvas.fillRect(rect, column.color().resolved());
        return;
    }
    const int record = grid_.recordWindow().recordAt(kind.dataRow);
    CellParams params = column.defaultCellParams(record);
    params.col = kind.dataCol;
    params.row = kind.dataRow;
    // Row colours follow the record number, not the screen row.
    if (params.background == grid_.appearance().color)
        params.background = (record + 1) % 2 == 1 ? grid_.appearance().oddRow() : grid_.appearance().evenRow();

    // The highlight: the current cell (the current row with whole-row
    // selection) in the highlight colour; with row highlighting, the rest of
    // the current row blended with it.
    QColor background = params.background.resolved();
    QColor textColour = params.font.textColour.resolved();
    const bool focused = gridFocused();
    const bool inCurrentRow = kind.dataRow + grid_.metrics().topDataOffset() == grid_.current().row;
    const bool first = state.selected || (grid_.options().has(Option::RowSelect) && inCurrentRow);
    const bool other = !first && inCurrentRow && grid_.extraOptions().has(ExtraOption::RowHighlight);
    const bool shown = grid_.options().has(Option::AlwaysShowSelection) || (focused && grid_.extraOptions().has(ExtraOption::HighlightFocus));
    if (shown && (first || other)) {
        const GridStyle& style = GridStyle::instance();
        const bool blend = other && style.blendSelectionColors() && style.colourCount() < 0;
        const QColor highlight = (focused ? SystemColour::highlight() : SystemColour::buttonShadow()).resolved();
        if (blend) {
            background = canvas.nearestColour(blendedHighlight(background, highlight, focused));
        } else if (first || focused) {
            background = highlight;
            textColour = SystemColour::highlightText().resolved();
        } else {
            background = SystemColour::buttonFace().resolved();
        }
        state.selected = true;
    }
    const bool raised = isRaised(kind, state);
    CellTextLayout text;
    text.dx = raised ? 1 : 2;
    text.dy = (raised ? 1 : 2) - (grid_.appearance().flat ? 1 : 0);
    text.alignment = params.alignment;
    writeCellText(canvas, contentRect(rect, raised), text, params.font, textColour, background, params.text);
    if (raised)
        drawRaisedEdge(canvas, rect, false, background);

    if (state.focused && focused && !grid_.options().has(Option::RowSelect) && !grid_.updateLocked()
        && GridStyle::instance().showCellFocusFrame())
        canvas.drawFocusRect(rect);
}

void GridPainter::paintFooterCell(Canvas& canvas, const CellKind& kind, DrawState state, const QRect& rect)
{
    GridColumn& column = grid_.columns().item(kind.dataCol);
    const ColumnFooter& footer = column.footer();
    const GridFont font = footer.font();
    const QColor brush = footer.color().resolved();
    const bool raised = isRaised(kind, state);
    CellTextLayout text;
    text.dx = text.dy = raised ? 1 : 2;
    text.alignment = footer.alignment();
    writeCellText(canvas, contentRect(rect, raised), text, font, font.textColour.resolved(), brush, footer.text());
    if (raised)
        drawRaisedEdge(canvas, rect, false, brush);
}
