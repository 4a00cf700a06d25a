#include "GridKeys.h"

#include "DataGrid.h"

#include "db/Query.h"

#include <QScopeGuard>

void GridKeys::moveRecordBy(int distance)
{
    // The move holds the update lock; a size change it met is caught up after it.
    grid_.beginUpdate();
    {
        const auto endUpdate = qScopeGuard([this] { grid_.endUpdate(); });
        grid_.dataSet()->moveBy(distance);
    }
    grid_.catchUpResize();
}

void GridKeys::moveToRecord(bool last)
{
    moveRecordBy(last ? grid_.dataSet()->recordCount() : -grid_.dataSet()->recordCount());
}

void GridKeys::tabTo(int step)
{
    const int first = grid_.metrics().indicatorOffset();
    const int last = grid_.colCount() - 1;
    const int start = grid_.current().col;
    int col = start;
    grid_.layoutBatch().lock();
    const auto endUpdate = qScopeGuard([this] { grid_.layoutBatch().unlock(); });
    // On to the next column with a tab stop, round into the next or previous record.
    do {
        col += step;
        if (col > last) {
            grid_.dataSet()->moveBy(1);
            col = first;
        } else if (col < first) {
            grid_.dataSet()->moveBy(-1);
            col = last;
        }
        if (col == start)
            return;
    } while (!grid_.tabStop(col));
    grid_.moveCol(col, 0);
}

void GridKeys::keyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (!grid_.resultOpen())
        return;
    const bool control = modifiers & Qt::ControlModifier;
    // Ctrl+F: the find dialog, with nothing to find yet.
    if (control && key == Qt::Key_F) {
        if (grid_.openFindDialog)
            grid_.openFindDialog(QString(), true);
        return;
    }
    control ? keyWithControl(key) : keyAlone(key, modifiers);
}

void GridKeys::keyWithControl(int key)
{
    const int first = grid_.metrics().indicatorOffset();
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        moveRecordBy(-grid_.recordWindow().activeRecord());
        break;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        moveRecordBy(grid_.recordWindow().bufferCount() - grid_.recordWindow().activeRecord() - 1);
        break;
    case Qt::Key_Home:
        moveToRecord(false);
        break;
    case Qt::Key_End:
        moveToRecord(true);
        break;
    case Qt::Key_Left:
        grid_.moveCol(first, 1);
        break;
    case Qt::Key_Right:
        grid_.moveCol(grid_.colCount() - 1, -1);
        break;
    default:
        // Copy, cut, paste, select all, delete and Ctrl+': refused, as the
        // read-only grid has them; nothing changes, nothing is copied.
        break;
    }
}

void GridKeys::keyAlone(int key, Qt::KeyboardModifiers modifiers)
{
    const int first = grid_.metrics().indicatorOffset();
    const bool severalColumns = grid_.colCount() - first > 1;
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (!(modifiers & Qt::AltModifier))
            tabTo(key == Qt::Key_Backtab || (modifiers & Qt::ShiftModifier) ? -1 : 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        grid_.editor().shown() ? grid_.editor().hide() : grid_.editor().show();
        break;
    case Qt::Key_Escape:
        grid_.editor().hide();
        grid_.mouse().cancelColumnDrag();
        break;
    case Qt::Key_F2:
        grid_.editor().show();
        break;
    case Qt::Key_Up:
        moveRecordBy(-1);
        break;
    case Qt::Key_Down:
        moveRecordBy(1);
        break;
    case Qt::Key_PageUp:
        moveRecordBy(-grid_.layout().rows.wholeCellsInView());
        break;
    case Qt::Key_PageDown:
        moveRecordBy(grid_.layout().rows.wholeCellsInView());
        break;
    case Qt::Key_Left:
        grid_.moveCol(grid_.current().col - 1, -1);
        break;
    case Qt::Key_Right:
        grid_.moveCol(grid_.current().col + 1, 1);
        break;
    case Qt::Key_Home:
        severalColumns ? grid_.moveCol(first, 1) : moveToRecord(false);
        break;
    case Qt::Key_End:
        severalColumns ? grid_.moveCol(grid_.colCount() - 1, -1) : moveToRecord(true);
        break;
    default:
        // Insert, Shift+Insert, Shift+Delete: refused in the read-only grid;
        // Delete clears only check-box and image columns.
        break;
    }
}

void GridKeys::keyPress(QChar character)
{
    // A typed character opens the editor, which drops it: the text never changes.
    if (character.isPrint() && grid_.resultOpen())
        grid_.editor().show();
}
