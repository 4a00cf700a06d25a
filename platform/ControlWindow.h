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
    int min = 0;
    int max = 0;
    int page = 0;
    int pos = 0;
    bool operator==(const ScrollBarInfo&) const = default;
};

enum class ScrollBarKind { Horizontal, Vertical };

// What a scroll bar asks for.
enum class ScrollCode { LineUp, LineDown, PageUp, PageDown, Position, Top, Bottom };

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

    virtual bool showing() const = 0;
    // The client area, without the scroll bars that are shown.
    virtual QSize clientSize() const = 0;

    virtual void invalidate(const QRect& rect) = 0;
    virtual void invalidateAll() = 0;
    // Moves the pixels of a rectangle by (dx, dy) and invalidates what is uncovered.
    virtual void scrollRect(const QRect& rect, int dx, int dy) = 0;
    // Paints what is pending now.
    virtual void flushPaint() = 0;

    virtual ScrollBarInfo scrollInfo(ScrollBarKind bar) const = 0;
    virtual void setScrollInfo(ScrollBarKind bar, const ScrollBarInfo& info) = 0;
    // A bar shows only when its range exceeds its page; this enables or disables it.
    virtual void setScrollBarEnabled(ScrollBarKind bar, bool enabled) = 0;

    virtual bool canFocus() const = 0;
    // Moves the keyboard focus here, bringing the window forward when another
    // one is active; false when the focus stays elsewhere.
    virtual bool takeFocus() = 0;
    virtual bool focused() const = 0;

    // The mouse keeps coming to this window while captured.
    virtual void setCapture(bool capture) = 0;
    virtual void setCursorShape(CursorShape cursor) = 0;

    // The control's repeating timer; starting it again restarts it.
    virtual void startRepeatTimer(int milliseconds) = 0;
    virtual void stopRepeatTimer() = 0;

    // A layout the control asks for after the current event: asking again
    // while one waits does nothing; a cancelled one does not come.
    virtual void queueLayout() = 0;
    virtual bool layoutQueued() const = 0;
    virtual void cancelQueuedLayout() = 0;

    // The control's context menu, at a point of the client area.
    virtual void showContextMenu(const QPoint& at) = 0;
    // Where a point of the client area lies on the screen, and the screen's extent.
    virtual QPoint toScreen(const QPoint& at) const = 0;
    virtual QRect screenRect() const = 0;

    // The in-place editor over a cell: it shows a text the user may select
    // and copy, and changes nothing. Its keys that are the control's go to the
    // control as key messages.
    virtual void showEditor(const QRect& rect, const QString& text, const FontSpec& font) = 0;
    virtual void hideEditor() = 0;
    virtual bool editorShown() const = 0;
};

// What a custom-painted control is told by its window.
class ControlMessages {
public:
    virtual ~ControlMessages() = default;
    // Paints what the region covers.
    virtual void paint(Canvas& canvas, const QRegion& invalid) = 0;
    virtual void resized() {}
    virtual void keyDown(int key, Qt::KeyboardModifiers modifiers) { (void)key, (void)modifiers; }
    virtual void keyPress(QChar character) { (void)character; }
    virtual void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& at, bool doubleClick)
    {
        (void)button, (void)modifiers, (void)at, (void)doubleClick;
    }
    virtual void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, const QPoint& at)
    {
        (void)buttons, (void)modifiers, (void)at;
    }
    virtual void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint& at)
    {
        (void)button, (void)modifiers, (void)at;
    }
    virtual void wheel(int delta, Qt::KeyboardModifiers modifiers, const QPoint& at) { (void)delta, (void)modifiers, (void)at; }
    virtual void timerTick() {}
    virtual void scrollRequest(ScrollBarKind bar, ScrollCode code, int position) { (void)bar, (void)code, (void)position; }
    virtual void cancelMode() {}
    virtual void focusIn() {}
    virtual void focusOut() {}
    virtual void queuedLayout() {}
    // The system colours changed.
    virtual void systemColoursChanged() {}
    // Whether Tab stays in the control instead of moving the focus on.
    virtual bool wantsTab() const { return false; }
};
