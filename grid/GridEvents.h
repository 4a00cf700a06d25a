#pragma once

#include "platform/ControlWindow.h"

class DataGrid;

// What the grid's window tells it, handed to the part that handles it: the
// painter paints, the mouse and the keys go to their handlers, scroll
// requests to the bars, the queued layout to the layout batch.
class GridEvents : public ControlMessages {
public:
    explicit GridEvents(DataGrid& grid) : grid_(grid) {}

    void Paint(Canvas& canvas, const QRegion& invalid) override;
    void Resized() override;
    void QueuedLayout() override;
    void ScrollRequest(ScrollBarKind bar, ScrollCode code, int position) override;
    // A notch down moves one record forward; turns short of a notch add up.
    void Wheel(int delta, Qt::KeyboardModifiers modifiers, const QPoint& at) override;
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& at, bool doubleClick) override;
    void MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, const QPoint& at) override;
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& at) override;
    void KeyDown(int key, Qt::KeyboardModifiers modifiers) override;
    void KeyPress(QChar character) override;
    void TimerTick() override;
    void CancelMode() override;
    // The current row shows whether the grid has the focus.
    void FocusIn() override;
    void FocusOut() override;
    void SystemColoursChanged(int bitsPerPixel) override;
    // Arrows always; Tab with Tab moves, unless whole rows are selected.
    bool WantsTab() const override;

private:
    DataGrid& grid_;
    int wheelRest_ = 0;
};
