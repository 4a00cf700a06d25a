#include "GridKeys.h"

#include "DataGrid.h"

#include "db/Query.h"

#include <QScopeGuard>

namespace {

using Option = DataGrid::Option;
using ExtraOption = DataGrid::ExtraOption;

} // namespace

void GridKeys::MoveRecordBy(int distance)
{
    // The move holds the update lock; a size change it met is caught up after it.
    grid_.BeginUpdate();
    {
        const auto endUpdate = qScopeGuard([this] { grid_.EndUpdate(); });
        grid_.DataSet()->MoveBy(distance);
    }
    grid_.CatchUpResize();
}

void GridKeys::MoveToRecord(bool last)
{
    MoveRecordBy(last ? grid_.DataSet()->RecordCount() : -grid_.DataSet()->RecordCount());
}

void GridKeys::TabTo(int step)
{
    const int first = grid_.Metrics().IndicatorOffset();
    const int last = grid_.ColCount() - 1;
    const int start = grid_.Current().Col;
    int col = start;
    grid_.LayoutBatch().Lock();
    const auto endUpdate = qScopeGuard([this] { grid_.LayoutBatch().Unlock(); });
    // On to the next column with a tab stop, round into the next or previous record.
    do {
        col += step;
        if (col > last) {
            grid_.DataSet()->MoveBy(1);
            col = first;
        } else if (col < first) {
            grid_.DataSet()->MoveBy(-1);
            col = last;
        }
        if (col == start)
            return;
    } while (!grid_.TabStop(col));
    grid_.MoveCol(col, 0);
}

void GridKeys::KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (!grid_.ResultOpen())
        return;
    const bool control = modifiers & Qt::ControlModifier;
    // Ctrl+F: the find dialog, with nothing to find yet.
    if (control && key == Qt::Key_F) {
        if (grid_.ExtraOptions().Has(ExtraOption::DialogFind) && grid_.OpenFindDialog)
            grid_.OpenFindDialog(QString(), true);
        return;
    }
    control ? KeyWithControl(key) : KeyAlone(key, modifiers);
}

void GridKeys::KeyWithControl(int key)
{
    const int first = grid_.Metrics().IndicatorOffset();
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        MoveRecordBy(-grid_.RecordWindow().ActiveRecord());
        break;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        MoveRecordBy(grid_.RecordWindow().BufferCount() - grid_.RecordWindow().ActiveRecord() - 1);
        break;
    case Qt::Key_Home:
        MoveToRecord(false);
        break;
    case Qt::Key_End:
        MoveToRecord(true);
        break;
    case Qt::Key_Left:
        grid_.MoveCol(first, 1);
        break;
    case Qt::Key_Right:
        grid_.MoveCol(grid_.ColCount() - 1, -1);
        break;
    default:
        // Copy, cut, paste, select all, delete and Ctrl+': refused, as the
        // read-only grid has them; nothing changes, nothing is copied.
        break;
    }
}

void GridKeys::KeyAlone(int key, Qt::KeyboardModifiers modifiers)
{
    const int first = grid_.Metrics().IndicatorOffset();
    const bool severalColumns = grid_.ColCount() - first > 1 && !grid_.Options().Has(Option::RowSelect);
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (!(modifiers & Qt::AltModifier)) {
            TabTo(key == Qt::Key_Backtab || (modifiers & Qt::ShiftModifier) ? -1 : 1);
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        grid_.Editor().Shown() ? grid_.Editor().Hide() : grid_.Editor().Show();
        break;
    case Qt::Key_Escape:
        if (!grid_.Options().Has(Option::AlwaysShowEditor))
            grid_.Editor().Hide();
        grid_.Mouse().CancelColumnDrag();
        break;
    case Qt::Key_F2:
        grid_.Editor().Show();
        break;
    case Qt::Key_Up:
        MoveRecordBy(-1);
        break;
    case Qt::Key_Down:
        MoveRecordBy(1);
        break;
    case Qt::Key_PageUp:
        MoveRecordBy(-grid_.Layout().Rows.WholeCellsInView());
        break;
    case Qt::Key_PageDown:
        MoveRecordBy(grid_.Layout().Rows.WholeCellsInView());
        break;
    case Qt::Key_Left:
        grid_.MoveCol(grid_.Current().Col - 1, -1);
        break;
    case Qt::Key_Right:
        grid_.MoveCol(grid_.Current().Col + 1, 1);
        break;
    case Qt::Key_Home:
        if (severalColumns) {
            grid_.MoveCol(first, 1);
        } else {
            MoveToRecord(false);
        }
        break;
    case Qt::Key_End:
        if (severalColumns) {
            grid_.MoveCol(grid_.ColCount() - 1, -1);
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

void GridKeys::KeyPress(QChar character)
{
    // A typed character opens the editor, which drops it: the text never changes.
    if (character.isPrint() && grid_.ResultOpen() && grid_.Options().Has(Option::Editing) && !grid_.Options().Has(Option::RowSelect))
        grid_.Editor().Show();
}
