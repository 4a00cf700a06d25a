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
        QRect Rect;
        int Dx;
        int Dy;
        bool operator==(const Scroll&) const = default;
    };

    explicit FakeWindow(QSize client) : Client(client) {}

    bool Showing() const override { return IsShowing; }
    QSize ClientSize() const override { return Client; }
    void Invalidate(const QRect& rect) override { Invalidated.append(rect); }
    void InvalidateAll() override { ++WholeInvalidations; }
    void ScrollRect(const QRect& rect, int dx, int dy) override { Scrolls.append({rect, dx, dy}); }
    void FlushPaint() override { ++Flushes; }
    ScrollBarInfo ScrollInfo(ScrollBarKind bar) const override
    {
        const auto it = Bars.find(bar);
        return it == Bars.end() ? ScrollBarInfo{} : it->second;
    }
    void SetScrollInfo(ScrollBarKind bar, const ScrollBarInfo& info) override
    {
        Bars[bar] = info;
        ++ScrollBarWrites;
    }
    void SetScrollBarShown(ScrollBarKind bar, bool always, bool enabled) override { Shown[bar] = {always, enabled}; }
    int ScrollBarExtent(ScrollBarKind) const override { return 16; }
    bool CanFocus() const override { return Focusable; }
    bool SetFocus() override
    {
        ++FocusRequests;
        return true;
    }
    bool Focused() const override { return FocusRequests > 0; }
    void SetCapture(bool capture) override { Captured = capture; }
    void SetCursor(CursorShape cursor) override { Cursor = cursor; }
    void StartTimer(int milliseconds) override { TimerInterval = milliseconds; }
    void StopTimer() override { TimerInterval.reset(); }
    // Counts the layouts queued; asking again while one waits queues none.
    void QueueLayout() override { QueuedLayouts += queued_ ? 0 : 1, queued_ = true; }
    bool LayoutQueued() const override { return queued_; }
    void CancelQueuedLayout() override { queued_ = false; }
    void ShowContextMenu(const QPoint& at) override { ContextMenus.append(at); }
    QPoint ToScreen(const QPoint& at) const override { return at + ScreenOrigin; }
    QRect ScreenRect() const override { return QRect(0, 0, 1280, 860); }
    void ShowEditor(const QRect& rect, const QString& text, const FontSpec&) override
    {
        EditorRect = rect;
        EditorText = text;
    }
    void HideEditor() override { EditorRect = QRect(); }
    bool EditorShown() const override { return EditorRect.isValid(); }
    void ReportError(const QString& message) override { Reported.append(message); }

    QSize Client;
    bool IsShowing = true;
    bool Focusable = true;
    QList<QRect> Invalidated;
    int WholeInvalidations = 0;
    QList<Scroll> Scrolls;
    QStringList Reported;
    int Flushes = 0;
    std::map<ScrollBarKind, ScrollBarInfo> Bars;
    std::map<ScrollBarKind, std::pair<bool, bool>> Shown;  // always, enabled
    int ScrollBarWrites = 0;
    int FocusRequests = 0;
    bool Captured = false;
    CursorShape Cursor = CursorShape::Default;
    std::optional<int> TimerInterval;
    int QueuedLayouts = 0;
    QList<QPoint> ContextMenus;
    QPoint ScreenOrigin{100, 200};
    QRect EditorRect;
    QString EditorText;

private:
    bool queued_ = false;
};
