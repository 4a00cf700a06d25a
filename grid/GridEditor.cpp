// The in-place editor over the current cell.
#include "GridEditor.h"

#include "DataGrid.h"

using Option = DataGrid::Option;

void GridEditor::Show()
{
    GridColumn* column = grid_.CurrentColumn();
    ControlWindow* window = grid_.Window();
    const DataGrid::OptionSet options = grid_.Options();
    const bool allowed = options.Has(Option::Editing) && !options.Has(Option::RowSelect)
                         && grid_.LayoutBatch().Depth() == 0 && column && column->Kind() != ColumnKind::CheckBox
                         && column->Kind() != ColumnKind::Image;
    if (!allowed || !window || !grid_.ResultOpen())
        return;
    const CellPos current = grid_.Current();
    const QRect rect = grid_.CellBounds(current.Col, current.Row);
    // A cell scrolled out of view takes its editor with it.
    if (rect.isEmpty()) {
        Hide();
        return;
    }
    window->ShowEditor(rect, column->CellText(), column->Font().Face);
}

void GridEditor::Refresh()
{
    if (Shown())
        Show();
}

void GridEditor::Hide()
{
    if (Shown())
        grid_.Window()->HideEditor();
}

bool GridEditor::Shown() const
{
    return grid_.Window() && grid_.Window()->EditorShown();
}
