// The data grid's cell painters: titles, the indicator with its record
// mark, data cells with their row colours and highlight, footers.
#include "CellText.h"
#include "GridPainter.h"

#include "DataGrid.h"
#include "GridStyle.h"

#include "db/Query.h"
#include "platform/Colours.h"

bool GridPainter::gridFocused() const
{
    return grid_.window() && grid_.window()->focused();
}

bool GridPainter::isRaised(const CellKind& kind, DrawState state) const
{
    return state.fixed && (kind.horz == CellKind::Column::Indicator || kind.vert == CellKind::Row::Title);
}

QRect GridPainter::contentRect(const QRect& cell, bool raised) const
{
    if (!raised)
        return cell;
    return grid_.appearance().flat ? cell.adjusted(1, 1, 0, 0) : cell.adjusted(1, 1, -1, -1);
}

void GridPainter::drawRaisedEdge(Canvas& canvas, const QRect& rect, const QColor& background) const
{
    canvas.drawEdge(rect, SystemColour::buttonHighlight().resolved(),
                    SystemColour::buttonShadow().resolved());
    if (!grid_.appearance().flat)
        return;
    // Flat: only the top and left edges stay.
    canvas.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), background);
    canvas.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), background);
}

void GridPainter::writeCell(Canvas& canvas, const QRect& rect, bool raised, const CellTextLayout& layout,
                            const GridFont& font, const QColor& textColour, const QColor& brush, const QString& text) const
{
    writeCellText(canvas, contentRect(rect, raised), layout, font, textColour, brush, text);
    if (raised)
        drawRaisedEdge(canvas, rect, brush);
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
    const GridFont font = title.font();
    writeCell(canvas, rect, isRaised(kind, state), {1, 1, title.alignment()}, font, font.textColour.resolved(), brush,
              title.caption());
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
        drawRaisedEdge(canvas, rect, brush);
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
    // Row colours follow the record number, not the screen row.
    if (params.background == grid_.appearance().color)
        params.background = (record + 1) % 2 == 1 ? grid_.appearance().oddRow() : grid_.appearance().evenRow();

    // The current cell of the focused grid is highlighted.
    QColor background = params.background.resolved();
    QColor textColour = params.font.textColour.resolved();
    const bool focused = gridFocused();
    if (focused && state.selected) {
        background = SystemColour::highlight().resolved();
        textColour = SystemColour::highlightText().resolved();
    }
    const bool raised = isRaised(kind, state);
    const int offset = raised ? 1 : 2;
    writeCell(canvas, rect, raised, {offset, offset - (grid_.appearance().flat ? 1 : 0), params.alignment}, params.font,
              textColour, background, params.text);
    if (state.focused && focused && !grid_.updateLocked())
        canvas.drawFocusRect(rect);
}

void GridPainter::paintFooterCell(Canvas& canvas, const CellKind& kind, DrawState state, const QRect& rect)
{
    GridColumn& column = grid_.columns().item(kind.dataCol);
    const ColumnFooter& footer = column.footer();
    const GridFont font = footer.font();
    const QColor brush = footer.color().resolved();
    const bool raised = isRaised(kind, state);
    const int offset = raised ? 1 : 2;
    writeCell(canvas, rect, raised, {offset, offset, footer.alignment()}, font, font.textColour.resolved(), brush,
              footer.text());
}
