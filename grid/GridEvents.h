#pragma once

#include "platform/ControlWindow.h"

class DataGrid;

// What the grid's window tells it, handed to the part that handles it: the
// painter paints, the mouse and the keys go to their handlers, scroll
// requests to the bars, the queued layout to the layout batch.
class GridEvents : public ControlMessages {
public:
    explicit GridEvents(DataGrid& grid) : grid_(grid) {}

    void paint(Canvas& canvas, const QRegion& invalid) override;
    void resized() override;
    void queuedLayout() override;
    void scrollRequest(ScrollBarKind bar, ScrollCode code, int position) override;
    // A notch down moves one record forward; turns short of a notch add up.
    void wheel(int delta, Qt::KeyboardModifiers modifiers, const QPoint& at) override;
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& at, bool doubleClick) override;
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, const QPoint& at) override;
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& at) override;
    void keyDown(int key, Qt::KeyboardModifiers modifiers) override;
    void keyPress(QChar character) override;
    void timerTick() override;
    void cancelMode() override;
    // The current row shows whether the grid has the focus.
    void focusIn() override;
    void focusOut() override;
    void systemColoursChanged() override;
    // Arrows always; Tab with Tab moves, unless whole rows are selected.
    bool wantsTab() const override;

private:
    DataGrid& grid_;
    int wheelRest_ = 0;
};
