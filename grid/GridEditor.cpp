// The in-place editor over the current cell.
#include "GridEditor.h"

#include "DataGrid.h"

void GridEditor::show()
{
    GridColumn* column = grid_.currentColumn();
    ControlWindow* window = grid_.window();
    if (!column || !window || !grid_.resultOpen() || grid_.layoutBatch().depth() != 0)
        return;
    const CellPos current = grid_.current();
    const QRect rect = grid_.cellBounds(current.col, current.row);
    // A cell scrolled out of view takes its editor with it.
    if (rect.isEmpty()) {
        hide();
        return;
    }
    window->showEditor(rect, column->cellText(), column->font().face);
}

void GridEditor::refresh()
{
    if (shown())
        show();
}

void GridEditor::hide()
{
    if (shown())
        grid_.window()->hideEditor();
}

bool GridEditor::shown() const
{
    return grid_.window() && grid_.window()->editorShown();
}
