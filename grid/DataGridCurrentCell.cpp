// The data grid's current column, Tab stops and the in-place editor.
#include "DataGrid.h"

#include "db/Query.h"

#include <QScopeGuard>

namespace {

using Option = DataGrid::Option;
using ExtraOption = DataGrid::ExtraOption;

} // namespace

bool DataGrid::WantsTab() const
{
    return options_.Has(Option::Tabs) && !options_.Has(Option::RowSelect);
}

void DataGrid::MoveCol(int gridCol, int direction)
{
    const int first = IndicatorOffset();
    const int last = ColCount() - 1;
    if (last < first)
        return;
    int col = qBound(first, gridCol, last);
    if (direction != 0) {
        while (col >= first && col <= last && ColWidth(col) < 1)
            col += direction;
        if (col < first || col > last)
            return;
    }
    if (col == Current().Col)
        return;
    if (!options_.Has(Option::AlwaysShowEditor))
        HideEditor();
    InvalidateRow(Current().Row);
    SetCurrent({col, Current().Row});
    BringCellIntoView(col, Current().Row);
    InvalidateRow(Current().Row);
    if (options_.Has(Option::AlwaysShowEditor))
        ShowEditor();
}

void DataGrid::ShowEditor()
{
    GridColumn* column = CurrentColumn();
    ControlWindow* window = Window();
    const bool allowed = options_.Has(Option::Editing) && !options_.Has(Option::RowSelect) && LayoutLock() == 0
                         && column && column->Kind() != ColumnKind::CheckBox && column->Kind() != ColumnKind::Image;
    if (!allowed || !window || !link_.Active())
        return;
    const QRect rect = CellBounds(Current().Col, Current().Row);
    // A cell scrolled out of view takes its editor with it.
    if (rect.isEmpty()) {
        HideEditor();
        return;
    }
    window->ShowEditor(rect, column->CellText(), column->Font().Face);
}

void DataGrid::RefreshEditor()
{
    if (EditorShown())
        ShowEditor();
}

void DataGrid::HideEditor()
{
    if (EditorShown())
        Window()->HideEditor();
}
