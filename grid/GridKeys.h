#pragma once

#include <QChar>
#include <Qt>

class DataGrid;

// The grid's keys: moves of the current record (arrows, pages, Ctrl+Home and
// Ctrl+End) and column, Tab, the find dialog, the in-place editor; every
// clipboard and edit key refused, as a read-only grid has them.
class GridKeys {
public:
    explicit GridKeys(DataGrid& grid) : grid_(grid) {}

    void KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void KeyPress(QChar character);

private:
    // A record move under the update lock.
    void MoveRecordBy(int distance);
    void MoveToRecord(bool last);
    void TabTo(int step);
    void KeyWithControl(int key);
    void KeyAlone(int key, Qt::KeyboardModifiers modifiers);

    DataGrid& grid_;
};
