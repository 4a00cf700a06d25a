// Cell kinds and row heights.
#include "GridRowMetrics.h"

#include "DataGrid.h"

#include "platform/Canvas.h"

using namespace Qt::StringLiterals;

using Option = DataGrid::Option;
using ExtraOption = DataGrid::ExtraOption;

int GridRowMetrics::IndicatorOffset() const
{
    return grid_.Options().Has(Option::Indicator) || grid_.ExtraOptions().Has(ExtraOption::ShowRecNo) ? 1 : 0;
}

int GridRowMetrics::IndicatorWidth() const
{
    return grid_.Options().Has(Option::Indicator) ? DataGrid::kIndicatorWidth : 0;
}

int GridRowMetrics::TitleOffset() const
{
    return grid_.Options().Has(Option::Titles) ? 1 : 0;
}

CellKind GridRowMetrics::KindOf(int col, int row) const
{
    CellKind type{};
    const int o = IndicatorOffset();
    type.Horz = col < o ? CellKind::Column::Indicator : CellKind::Column::Data;
    type.DataCol = col - o;
    const int t = TitleOffset();
    const int rows = grid_.RowCount();
    Q_ASSERT(row >= 0 && row < rows + grid_.ContraRowCount());
    if (row < t) {
        type.Vert = CellKind::Row::Title;
        type.DataRow = row - t;
    } else if (row < rows) {
        type.Vert = CellKind::Row::Data;
        type.DataRow = row - t;
    } else {
        type.Vert = CellKind::Row::Footer;
        type.DataRow = row - rows;
    }
    return type;
}

int GridRowMetrics::RowPad() const
{
    return (grid_.Appearance().Flat ? 1 : 3) + (grid_.Options().Has(Option::RowLines) ? grid_.GridLineWidth() : 0);
}

int GridRowMetrics::TextHeight() const
{
    Canvas& canvas = grid_.MeasuringCanvas();
    canvas.SetFont(grid_.Appearance().Font.Face, QColor());
    return canvas.TextExtent(u"Wg"_s).height();
}

int GridRowMetrics::DataRowHeight() const
{
    const GridLayoutSettings& settings = grid_.LayoutSettings();
    const int text = TextHeight();
    const TextMetrics metrics = grid_.MeasuringCanvas().FontMetrics();
    const int pad = RowPad();
    const int height = settings.RowHeight > 0 || settings.RowLines > 0
                           ? settings.RowHeight + (metrics.ExternalLeading + metrics.Height) * settings.RowLines
                           : text + pad;
    if (!grid_.ExtraOptions().Has(ExtraOption::FitRowHeightToText) || text <= 0)
        return height;
    // Whole lines of text: a rest of up to half a line is dropped, more adds a line.
    const int lines = (height - pad) / text;
    const int rest = (height - pad) % text;
    return rest <= text / 2 && lines != 0 ? lines * text + pad : (lines + 1) * text + pad;
}

void GridRowMetrics::FitRowHeightToText(GridLayoutSettings& settings) const
{
    if (!grid_.ExtraOptions().Has(ExtraOption::FitRowHeightToText))
        return;
    const int height = DataRowHeight();
    const int text = TextHeight();
    if (text <= 0)
        return;
    settings.RowLines = (height - RowPad()) / text;
    settings.RowHeight = RowPad();
}

void GridRowMetrics::NoteMultiLineRows()
{
    TextHeight();  // sets the grid's font on the measuring canvas
    const TextMetrics metrics = grid_.MeasuringCanvas().FontMetrics();
    multiLineRows_ = metrics.ExternalLeading + metrics.Height + metrics.InternalLeading + 4 < DataRowHeight();
}

int GridRowMetrics::TitleRowHeight() const
{
    Canvas& canvas = grid_.MeasuringCanvas();
    const GridLayoutSettings& settings = grid_.LayoutSettings();
    const bool explicitHeight = settings.TitleHeight != 0 || settings.TitleLines != 0;
    int tallest = 0;
    TextMetrics tallestMetrics;
    const auto measure = [&](const GridFont& font) {
        canvas.SetFont(font.Face, QColor());
        const int height = canvas.TextExtent(u"Wg"_s).height();
        if (height > tallest) {
            tallest = height;
            tallestMetrics = canvas.FontMetrics();
        }
    };
    const GridColumns& columns = grid_.Columns();
    for (int i = 0; i < columns.Count(); ++i)
        measure(columns.Item(i).Title().Font());
    if (tallest == 0)
        measure(grid_.Appearance().TitleFont);
    if (!explicitHeight)
        return tallest + DataGrid::kTitleTextMargin;
    return settings.TitleLines * tallestMetrics.Height + tallestMetrics.ExternalLeading + settings.TitleHeight + 2
           + (grid_.Options().Has(Option::RowLines) ? 1 : 0);
}
