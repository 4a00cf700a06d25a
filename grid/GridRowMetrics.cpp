// Cell kinds and row heights.
#include "GridRowMetrics.h"

#include "DataGrid.h"

#include "platform/Canvas.h"

using namespace Qt::StringLiterals;

using Option = DataGrid::Option;
using ExtraOption = DataGrid::ExtraOption;

int GridRowMetrics::indicatorOffset() const
{
    return grid_.options().has(Option::Indicator) || grid_.extraOptions().has(ExtraOption::ShowRecNo) ? 1 : 0;
}

int GridRowMetrics::indicatorWidth() const
{
    return grid_.options().has(Option::Indicator) ? DataGrid::kIndicatorWidth : 0;
}

int GridRowMetrics::titleOffset() const
{
    return grid_.options().has(Option::Titles) ? 1 : 0;
}

CellKind GridRowMetrics::kindOf(int col, int row) const
{
    CellKind type{};
    const int o = indicatorOffset();
    type.horz = col < o ? CellKind::Column::Indicator : CellKind::Column::Data;
    type.dataCol = col - o;
    const int t = titleOffset();
    const int rows = grid_.rowCount();
    Q_ASSERT(row >= 0 && row < rows + grid_.contraRowCount());
    if (row < t) {
        type.vert = CellKind::Row::Title;
        type.dataRow = row - t;
    } else if (row < rows) {
        type.vert = CellKind::Row::Data;
        type.dataRow = row - t;
    } else {
        type.vert = CellKind::Row::Footer;
        type.dataRow = row - rows;
    }
    return type;
}

int GridRowMetrics::rowPad() const
{
    return (grid_.appearance().flat ? 1 : 3) + (grid_.options().has(Option::RowLines) ? grid_.gridLineWidth() : 0);
}

int GridRowMetrics::textHeight() const
{
    Canvas& canvas = grid_.measuringCanvas();
    canvas.setFont(grid_.appearance().font.face, QColor());
    return canvas.textExtent(u"Wg"_s).height();
}

int GridRowMetrics::dataRowHeight() const
{
    const GridLayoutSettings& settings = grid_.layoutSettings();
    const int text = textHeight();
    const TextMetrics metrics = grid_.measuringCanvas().fontMetrics();
    const int pad = rowPad();
    const int height = settings.rowHeight > 0 || settings.rowLines > 0
                           ? settings.rowHeight + (metrics.externalLeading + metrics.height) * settings.rowLines
                           : text + pad;
    if (!grid_.extraOptions().has(ExtraOption::FitRowHeightToText) || text <= 0)
        return height;
    // Whole lines of text: a rest of up to half a line is dropped, more adds a line.
    const int lines = (height - pad) / text;
    const int rest = (height - pad) % text;
    return rest <= text / 2 && lines != 0 ? lines * text + pad : (lines + 1) * text + pad;
}

void GridRowMetrics::fitRowHeightToText(GridLayoutSettings& settings) const
{
    if (!grid_.extraOptions().has(ExtraOption::FitRowHeightToText))
        return;
    const int height = dataRowHeight();
    const int text = textHeight();
    if (text <= 0)
        return;
    settings.rowLines = (height - rowPad()) / text;
    settings.rowHeight = rowPad();
}

void GridRowMetrics::noteMultiLineRows()
{
    textHeight();  // sets the grid's font on the measuring canvas
    const TextMetrics metrics = grid_.measuringCanvas().fontMetrics();
    multiLineRows_ = metrics.externalLeading + metrics.height + metrics.internalLeading + 4 < dataRowHeight();
}

int GridRowMetrics::titleRowHeight() const
{
    Canvas& canvas = grid_.measuringCanvas();
    const GridLayoutSettings& settings = grid_.layoutSettings();
    const bool explicitHeight = settings.titleHeight != 0 || settings.titleLines != 0;
    int tallest = 0;
    TextMetrics tallestMetrics;
    const auto measure = [&](const GridFont& font) {
        canvas.setFont(font.face, QColor());
        const int height = canvas.textExtent(u"Wg"_s).height();
        if (height > tallest) {
            tallest = height;
            tallestMetrics = canvas.fontMetrics();
        }
    };
    const GridColumns& columns = grid_.columns();
    for (int i = 0; i < columns.count(); ++i)
        measure(columns.item(i).title().font());
    if (tallest == 0)
        measure(grid_.appearance().titleFont);
    if (!explicitHeight)
        return tallest + DataGrid::kTitleTextMargin;
    return settings.titleLines * tallestMetrics.height + tallestMetrics.externalLeading + settings.titleHeight + 2
           + (grid_.options().has(Option::RowLines) ? 1 : 0);
}
