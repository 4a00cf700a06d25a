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

bool GridPainter::GridFocused() const
{
    return grid_.Window() && grid_.Window()->Focused();
}

bool GridPainter::IsRaised(const CellKind& kind, DrawState state) const
{
    const bool frozen = kind.Horz == CellKind::Column::Data && kind.DataCol < grid_.LayoutSettings().FrozenCols;
    return (state.Fixed && grid_.ExtraOptions().Has(ExtraOption::Fixed3D)
            && (kind.Horz == CellKind::Column::Indicator || kind.Vert == CellKind::Row::Title))
           || (grid_.ExtraOptions().Has(ExtraOption::Footer3D) && grid_.LayoutSettings().FooterRowCount > 0 && kind.Vert == CellKind::Row::Footer)
           || (grid_.ExtraOptions().Has(ExtraOption::Data3D) && !state.Fixed && kind.Vert != CellKind::Row::Footer)
           || (grid_.ExtraOptions().Has(ExtraOption::Frozen3D) && kind.Vert == CellKind::Row::Data && frozen);
}

QRect GridPainter::ContentRect(const QRect& cell, bool raised) const
{
    if (!raised)
        return cell;
    return grid_.Appearance().Flat ? cell.adjusted(1, 1, 0, 0) : cell.adjusted(1, 1, -1, -1);
}

void GridPainter::DrawRaisedEdge(Canvas& canvas, const QRect& rect, bool sunken, const QColor& background) const
{
    canvas.DrawEdge(rect, sunken ? Canvas::Edge::Sunken : Canvas::Edge::Raised, SystemColour::ButtonHighlight().Resolved(),
                    SystemColour::ButtonShadow().Resolved());
    if (!grid_.Appearance().Flat)
        return;
    // Flat: only the top and left edges stay.
    canvas.FillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), background);
    canvas.FillRect(QRect(rect.right(), rect.top(), 1, rect.height()), background);
}

void GridPainter::PaintCell(Canvas& canvas, int col, int row, DrawState state, const QRect& rect)
{
    const CellKind kind = grid_.Metrics().KindOf(col, row);
    if (kind.Horz == CellKind::Column::Indicator)
        PaintIndicatorCell(canvas, kind, row, state, rect);
    else if (kind.Vert == CellKind::Row::Footer)
        PaintFooterCell(canvas, kind, state, rect);
    else if (kind.Vert == CellKind::Row::Data)
        PaintDataCell(canvas, kind, state, rect);
    else
        PaintTitleCell(canvas, kind, state, rect);
}

void GridPainter::PaintTitleCell(Canvas& canvas, const CellKind& kind, DrawState state, const QRect& rect)
{
    const ColumnTitle& title = grid_.Columns().Item(kind.DataCol).Title();
    const QColor brush = title.Color().Resolved();
    const bool raised = IsRaised(kind, state);
    const bool explicitHeight = grid_.LayoutSettings().TitleHeight != 0 || grid_.LayoutSettings().TitleLines != 0;
    CellTextLayout text;
    text.Dx = text.Dy = 1;
    text.Alignment = title.Alignment();
    text.Vertical = explicitHeight ? TextLayout::Center : TextLayout::Top;
    text.EndEllipsis = title.EndEllipsis();
    text.WordWrap = explicitHeight;
    const GridFont font = title.Font();
    WriteCellText(canvas, ContentRect(rect, raised), text, font, font.TextColour.Resolved(), brush, title.Caption());
    if (raised)
        DrawRaisedEdge(canvas, rect, false, brush);
}

void GridPainter::PaintIndicatorCell(Canvas& canvas, const CellKind& kind, int row, DrawState state, const QRect& rect)
{
    const QColor brush = grid_.Appearance().FixedColor.Resolved();
    const bool raised = IsRaised(kind, state);
    const QRect content = ContentRect(rect, raised);
    canvas.FillRect(content, brush);
    // The current record's row carries the mark; an empty result's one row too.
    if (kind.Vert == CellKind::Row::Data && grid_.ResultOpen() && kind.DataRow == grid_.RecordWindow().ActiveRecord()) {
        const QPixmap& image = GridStyle::Instance().RecordMark();
        // Centred in the rightmost indicator-width pixels of the content.
        const int right = content.left() + content.width();
        const int left = right - DataGrid::kIndicatorWidth;
        const int x = (left + right - image.width()) / 2 + 1;
        const int y = (content.top() + content.top() + content.height() - image.height()) / 2;
        canvas.DrawPixmap(QPoint(x, y), image);
        indicatorRow_ = row;
    }
    if (raised)
        DrawRaisedEdge(canvas, rect, false, brush);
}

void GridPainter::PaintDataCell(Canvas& canvas, const CellKind& kind, DrawState state, const QRect& rect)
{
    GridColumn& column = grid_.Columns().Item(kind.DataCol);
    if (!grid_.ResultOpen() || kind.DataRow >= grid_.RecordWindow().RecordCount()) {
        canvas.FillRect(rect, column.Color().Resolved());
        return;
    }
    const int record = grid_.RecordWindow().RecordAt(kind.DataRow);
    CellParams params = column.DefaultCellParams(record);
    params.Col = kind.DataCol;
    params.Row = kind.DataRow;
    // Row colours follow the record number, not the screen row.
    if (params.Background == grid_.Appearance().Color)
        params.Background = (record + 1) % 2 == 1 ? grid_.Appearance().OddRow() : grid_.Appearance().EvenRow();

    // The highlight: the current cell (the current row with whole-row
    // selection) in the highlight colour; with row highlighting, the rest of
    // the current row blended with it.
    QColor background = params.Background.Resolved();
    QColor textColour = params.Font.TextColour.Resolved();
    const bool focused = GridFocused();
    const bool inCurrentRow = kind.DataRow + grid_.Metrics().TopDataOffset() == grid_.Current().Row;
    const bool first = state.Selected || (grid_.Options().Has(Option::RowSelect) && inCurrentRow);
    const bool other = !first && inCurrentRow && grid_.ExtraOptions().Has(ExtraOption::RowHighlight);
    const bool shown = grid_.Options().Has(Option::AlwaysShowSelection) || (focused && grid_.ExtraOptions().Has(ExtraOption::HighlightFocus));
    if (shown && (first || other)) {
        const GridStyle& style = GridStyle::Instance();
        const bool blend = other && style.BlendSelectionColors() && style.ColourCount() < 0;
        const QColor highlight = (focused ? SystemColour::Highlight() : SystemColour::ButtonShadow()).Resolved();
        if (blend) {
            background = canvas.NearestColour(BlendedHighlight(background, highlight, focused));
        } else if (first || focused) {
            background = highlight;
            textColour = SystemColour::HighlightText().Resolved();
        } else {
            background = SystemColour::ButtonFace().Resolved();
        }
        state.Selected = true;
    }
    // A repeated value stays blank where the column hides duplicates.
    if (column.HideDuplicates && kind.DataRow > 0 && column.CellText(record - 1) == params.Text)
        params.Text.clear();

    const bool raised = IsRaised(kind, state);
    CellTextLayout text;
    text.Dx = raised ? 1 : 2;
    text.Dy = (raised ? 1 : 2) - (grid_.Appearance().Flat ? 1 : 0);
    text.Alignment = params.Alignment;
    text.Vertical = column.Layout();
    text.EndEllipsis = column.EndEllipsis();
    text.WordWrap = column.WordWrap() && grid_.Metrics().MultiLineRows();
    WriteCellText(canvas, ContentRect(rect, raised), text, params.Font, textColour, background, params.Text);
    if (raised)
        DrawRaisedEdge(canvas, rect, false, background);

    if (state.Focused && focused && !grid_.Options().Has(Option::RowSelect) && !grid_.UpdateLocked()
        && GridStyle::Instance().ShowCellFocusFrame())
        canvas.DrawFocusRect(rect);
}

void GridPainter::PaintFooterCell(Canvas& canvas, const CellKind& kind, DrawState state, const QRect& rect)
{
    GridColumn& column = grid_.Columns().Item(kind.DataCol);
    const ColumnFooter& footer = column.FooterForRow(kind.DataRow);
    const GridFont font = footer.Font();
    const QColor brush = footer.Color().Resolved();
    const bool raised = IsRaised(kind, state);
    CellTextLayout text;
    text.Dx = text.Dy = raised ? 1 : 2;
    text.Alignment = footer.Alignment();
    text.Vertical = column.Layout();
    text.EndEllipsis = footer.EndEllipsis;
    text.WordWrap = footer.WordWrap && grid_.Metrics().MultiLineRows();
    WriteCellText(canvas, ContentRect(rect, raised), text, font, font.TextColour.Resolved(), brush, footer.Text());
    if (raised)
        DrawRaisedEdge(canvas, rect, false, brush);
}
