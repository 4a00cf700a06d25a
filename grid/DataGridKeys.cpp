// The data grid's keys: moves of the current record and column, Tab, the
// find dialog, the in-place editor; every clipboard and edit key refused.
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

void DataGrid::MoveRecordBy(int distance)
{
    // The move holds the update lock; a size change it met is caught up after it.
    BeginUpdate();
    {
        const auto endUpdate = qScopeGuard([this] { EndUpdate(); });
        DataSet()->MoveBy(distance);
    }
    if (!UpdateLocked() && sizeChangedWhileLocked_) {
        sizeChangedWhileLocked_ = false;
        Resized();
    }
}

void DataGrid::MoveToRecord(bool last)
{
    MoveRecordBy(last ? DataSet()->RecordCount() : -DataSet()->RecordCount());
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

void DataGrid::TabTo(int step)
{
    const int first = IndicatorOffset();
    const int last = ColCount() - 1;
    const int start = Current().Col;
    int col = start;
    LockLayout();
    const auto endUpdate = qScopeGuard([this] { UnlockLayout(); });
    // On to the next column with a tab stop, round into the next or previous record.
    do {
        col += step;
        if (col > last) {
            DataSet()->MoveBy(1);
            col = first;
        } else if (col < first) {
            DataSet()->MoveBy(-1);
            col = last;
        }
        if (col == start)
            return;
    } while (!TabStop(col));
    MoveCol(col, 0);
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

void DataGrid::KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (!link_.Active())
        return;
    const bool control = modifiers & Qt::ControlModifier;
    // Ctrl+F: the find dialog, with nothing to find yet.
    if (control && key == Qt::Key_F) {
        if (extraOptions_.Has(ExtraOption::DialogFind) && OpenFindDialog)
            OpenFindDialog(QString(), true);
        return;
    }
    control ? KeyWithControl(key) : KeyAlone(key, modifiers);
}

void DataGrid::KeyWithControl(int key)
{
    const int first = IndicatorOffset();
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        MoveRecordBy(-link_.ActiveRecord());
        break;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        MoveRecordBy(WindowSize() - link_.ActiveRecord() - 1);
        break;
    case Qt::Key_Home:
        MoveToRecord(false);
        break;
    case Qt::Key_End:
        MoveToRecord(true);
        break;
    case Qt::Key_Left:
        MoveCol(first, 1);
        break;
    case Qt::Key_Right:
        MoveCol(ColCount() - 1, -1);
        break;
    default:
        // Copy, cut, paste, select all, delete and Ctrl+': refused, as the
        // read-only grid has them; nothing changes, nothing is copied.
        break;
    }
}

void DataGrid::KeyAlone(int key, Qt::KeyboardModifiers modifiers)
{
    const int first = IndicatorOffset();
    const bool severalColumns = ColCount() - first > 1 && !options_.Has(Option::RowSelect);
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (!(modifiers & Qt::AltModifier)) {
            TabTo(key == Qt::Key_Backtab || (modifiers & Qt::ShiftModifier) ? -1 : 1);
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        EditorShown() ? HideEditor() : ShowEditor();
        break;
    case Qt::Key_Escape:
        if (!options_.Has(Option::AlwaysShowEditor))
            HideEditor();
        mouse_.CancelColumnDrag();
        break;
    case Qt::Key_F2:
        ShowEditor();
        break;
    case Qt::Key_Up:
        MoveRecordBy(-1);
        break;
    case Qt::Key_Down:
        MoveRecordBy(1);
        break;
    case Qt::Key_PageUp:
        MoveRecordBy(-WholeRowsInView());
        break;
    case Qt::Key_PageDown:
        MoveRecordBy(WholeRowsInView());
        break;
    case Qt::Key_Left:
        MoveCol(Current().Col - 1, -1);
        break;
    case Qt::Key_Right:
        MoveCol(Current().Col + 1, 1);
        break;
    case Qt::Key_Home:
        if (severalColumns) {
            MoveCol(first, 1);
        } else {
            MoveToRecord(false);
        }
        break;
    case Qt::Key_End:
        if (severalColumns) {
            MoveCol(ColCount() - 1, -1);
        } else {
            MoveToRecord(true);
        }
        break;
    default:
        // Insert, Shift+Insert, Shift+Delete: refused in the read-only grid;
        // Delete clears only check-box and image columns.
        break;
    }
}

void DataGrid::KeyPress(QChar character)
{
    // A typed character opens the editor, which drops it: the text never changes.
    if (character.isPrint() && link_.Active() && options_.Has(Option::Editing) && !options_.Has(Option::RowSelect))
        ShowEditor();
}
