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

    void keyDown(int key, Qt::KeyboardModifiers modifiers);
    void keyPress(QChar character);

private:
    // A record move under the update lock.
    void moveRecordBy(int distance);
    void moveToRecord(bool last);
    void tabTo(int step);
    void keyWithControl(int key);
    void keyAlone(int key, Qt::KeyboardModifiers modifiers);

    DataGrid& grid_;
};
