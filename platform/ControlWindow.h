#pragma once

#include <QPoint>
#include "Fonts.h"

#include <QRect>
#include <QRegion>
#include <QSize>
#include <Qt>

class Canvas;

// The values of one scroll bar.
struct ScrollBarInfo {
    int Min = 0;
    int Max = 0;
    int Page = 0;
    int Pos = 0;
    bool operator==(const ScrollBarInfo&) const = default;
};

enum class ScrollBarKind { Horizontal, Vertical };

// What a scroll bar asks for.
enum class ScrollCode { LineUp, LineDown, PageUp, PageDown, Position, Track, Top, Bottom, EndScroll };

// The mouse cursors a control shows: the platform's own, and the drop
// markers of column moving.
enum class CursorShape { Default, HorizontalSplit, VerticalSplit, MoveDown, MoveRight, MoveLeft };

// The services a custom-painted control asks of its window: what the grid
// needs to invalidate, scroll pixels, drive its scroll bars and take the
// focus. The window over a QWidget implements it for the screen; tests use a
// fake that records the calls.
class ControlWindow {
public:
    virtual ~ControlWindow() = default;

    virtual bool Showing() const = 0;
    // The client area, without the scroll bars that are shown.
    virtual QSize ClientSize() const = 0;

    virtual void Invalidate(const QRect& rect) = 0;
    virtual void InvalidateAll() = 0;
    // Moves the pixels of a rectangle by (dx, dy) and invalidates what is uncovered.
    virtual void ScrollRect(const QRect& rect, int dx, int dy) = 0;
    // Paints what is pending now.
    virtual void FlushPaint() = 0;

    virtual ScrollBarInfo ScrollInfo(ScrollBarKind bar) const = 0;
    virtual void SetScrollInfo(ScrollBarKind bar, const ScrollBarInfo& info) = 0;
    // Shown only when its range exceeds its page, or always (then disabled
    // while there is nothing to scroll).
    virtual void SetScrollBarShown(ScrollBarKind bar, bool always, bool enabled) = 0;
    // The width of a vertical bar, the height of a horizontal one.
    virtual int ScrollBarExtent(ScrollBarKind bar) const = 0;

    virtual bool CanFocus() const = 0;
    // Moves the keyboard focus here, bringing the window forward when another
    // one is active; false when the focus stays elsewhere.
    virtual bool SetFocus() = 0;
    virtual bool Focused() const = 0;

    // The mouse keeps coming to this window while captured.
    virtual void SetCapture(bool capture) = 0;
    virtual void SetCursor(CursorShape cursor) = 0;

    // The control's repeating timer; starting it again restarts it.
    virtual void StartTimer(int milliseconds) = 0;
    virtual void StopTimer() = 0;

    // A layout the control asks for after the current event: asking again
    // while one waits does nothing; a cancelled one does not come.
    virtual void QueueLayout() = 0;
    virtual bool LayoutQueued() const = 0;
    virtual void CancelQueuedLayout() = 0;

    // The control's context menu, at a point of the client area.
    virtual void ShowContextMenu(const QPoint& at) = 0;
    // Where a point of the client area lies on the screen, and the screen's extent.
    virtual QPoint ToScreen(const QPoint& at) const = 0;
    virtual QRect ScreenRect() const = 0;

    // The in-place editor over a cell: it shows a text the user may select
    // and copy, and changes nothing. Its keys that are the control's go to the
    // control as key messages.
    virtual void ShowEditor(const QRect& rect, const QString& text, const FontSpec& font) = 0;
    virtual void HideEditor() = 0;
    virtual bool EditorShown() const = 0;

    // An error met while painting, shown to the user once painting is over.
    virtual void ReportError(const QString& message) = 0;
};

// What a custom-painted control is told by its window.
class ControlMessages {
public:
    virtual ~ControlMessages() = default;
    // Paints what the region covers.
    virtual void Paint(Canvas& canvas, const QRegion& invalid) = 0;
    virtual void Resized() {}
    virtual void KeyDown(int key, Qt::KeyboardModifiers modifiers) { (void)key, (void)modifiers; }
    virtual void KeyPress(QChar character) { (void)character; }
    virtual void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& at, bool doubleClick)
    {
        (void)button, (void)modifiers, (void)at, (void)doubleClick;
    }
    virtual void MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, const QPoint& at)
    {
        (void)buttons, (void)modifiers, (void)at;
    }
    virtual void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& at)
    {
        (void)button, (void)modifiers, (void)at;
    }
    virtual void Wheel(int delta, Qt::KeyboardModifiers modifiers, const QPoint& at) { (void)delta, (void)modifiers, (void)at; }
    virtual void TimerTick() {}
    virtual void ScrollRequest(ScrollBarKind bar, ScrollCode code, int position) { (void)bar, (void)code, (void)position; }
    virtual void CancelMode() {}
    virtual void FocusIn() {}
    virtual void FocusOut() {}
    virtual void QueuedLayout() {}
    // The system colours or the display changed; the display's bits per pixel.
    virtual void SystemColoursChanged(int bitsPerPixel) { (void)bitsPerPixel; }
    // Whether Tab stays in the control instead of moving the focus on.
    virtual bool WantsTab() const { return false; }
};
