// Cell kinds and row heights.
#include "GridRowMetrics.h"

#include "DataGrid.h"

#include "platform/Canvas.h"

using namespace Qt::StringLiterals;

int GridRowMetrics::indicatorOffset() const
{
    return 1;
}

int GridRowMetrics::indicatorWidth() const
{
    return DataGrid::kIndicatorWidth;
}

int GridRowMetrics::titleOffset() const
{
    return 1;
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
    return (grid_.appearance().flat ? 1 : 3) + grid_.gridLineWidth();
}

int GridRowMetrics::textHeight() const
{
    Canvas& canvas = grid_.measuringCanvas();
    canvas.setFont(grid_.appearance().font.face, QColor());
    return canvas.textExtent(u"Wg"_s).height();
}

int GridRowMetrics::dataRowHeight() const
{
    return textHeight() + rowPad();
}

int GridRowMetrics::titleRowHeight() const
{
    Canvas& canvas = grid_.measuringCanvas();
    int tallest = 0;
    const auto measure = [&](const GridFont& font) {
        canvas.setFont(font.face, QColor());
        tallest = qMax(tallest, canvas.textExtent(u"Wg"_s).height());
    };
    const GridColumns& columns = grid_.columns();
    for (int i = 0; i < columns.count(); ++i)
        measure(columns.item(i).title().font());
    if (tallest == 0)
        measure(grid_.appearance().titleFont);
    return tallest + DataGrid::kTitleTextMargin;
}
