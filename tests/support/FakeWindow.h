#pragma once

#include "platform/ControlWindow.h"

#include <QList>
#include <QRect>
#include <map>
#include <optional>

// Stands in for a control's window: a fixed client size, and a record of
// what the control asked of it.
class FakeWindow : public ControlWindow {
public:
    struct Scroll {
        QRect rect;
        int dx;
        int dy;
        bool operator==(const Scroll&) const = default;
    };

    explicit FakeWindow(QSize client) : client(client) {}

    bool showing() const override { return isShowing; }
    QSize clientSize() const override { return client; }
    void invalidate(const QRect& rect) override { invalidated.append(rect); }
    void invalidateAll() override { ++wholeInvalidations; }
    void scrollRect(const QRect& rect, int dx, int dy) override { scrolls.append({rect, dx, dy}); }
    void flushPaint() override { ++flushes; }
    ScrollBarInfo scrollInfo(ScrollBarKind bar) const override
    {
        const auto it = bars.find(bar);
        return it == bars.end() ? ScrollBarInfo{} : it->second;
    }
    void setScrollInfo(ScrollBarKind bar, const ScrollBarInfo& info) override
    {
        bars[bar] = info;
        ++scrollBarWrites;
    }
    void setScrollBarEnabled(ScrollBarKind bar, bool on) override { enabled[bar] = on; }
    bool canFocus() const override { return focusable; }
    bool takeFocus() override
    {
        ++focusRequests;
        return true;
    }
    bool focused() const override { return focusRequests > 0; }
    void setCapture(bool capture) override { captured = capture; }
    void setCursorShape(CursorShape cursor) override { cursor = cursor; }
    void startRepeatTimer(int milliseconds) override { timerInterval = milliseconds; }
    void stopRepeatTimer() override { timerInterval.reset(); }
    // Counts the layouts queued; asking again while one waits queues none.
    void queueLayout() override { queuedLayouts += queued_ ? 0 : 1, queued_ = true; }
    bool layoutQueued() const override { return queued_; }
    void cancelQueuedLayout() override { queued_ = false; }
    void showContextMenu(const QPoint& at) override { contextMenus.append(at); }
    QPoint toScreen(const QPoint& at) const override { return at + screenOrigin; }
    QRect screenRect() const override { return QRect(0, 0, 1280, 860); }
    void showEditor(const QRect& rect, const QString& text, const FontSpec&) override
    {
        editorRect = rect;
        editorText = text;
    }
    void hideEditor() override { editorRect = QRect(); }
    bool editorShown() const override { return editorRect.isValid(); }

    QSize client;
    bool isShowing = true;
    bool focusable = true;
    QList<QRect> invalidated;
    int wholeInvalidations = 0;
    QList<Scroll> scrolls;
    int flushes = 0;
    std::map<ScrollBarKind, ScrollBarInfo> bars;
    std::map<ScrollBarKind, bool> enabled;
    int scrollBarWrites = 0;
    int focusRequests = 0;
    bool captured = false;
    CursorShape cursor = CursorShape::Default;
    std::optional<int> timerInterval;
    int queuedLayouts = 0;
    QList<QPoint> contextMenus;
    QPoint screenOrigin{100, 200};
    QRect editorRect;
    QString editorText;

private:
    bool queued_ = false;
};
