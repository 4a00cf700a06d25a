#pragma once

#include "Canvas.h"
#include "ControlWindow.h"

#include <QAbstractScrollArea>
#include <QList>
#include <QMenu>
#include <QPointer>
#include <QTimer>

class QLineEdit;
#include <map>

// The window of a custom-painted control over a QWidget: its client area is
// the viewport, its scroll bars the area's bars. It turns Qt's events into
// the control's messages and serves the control's requests.
class ControlWidget : public QAbstractScrollArea, public ControlWindow {
    Q_OBJECT

public:
    explicit ControlWidget(QWidget* parent = nullptr);

    void SetMessages(ControlMessages* messages) { messages_ = messages; }

    bool Showing() const override;
    QSize ClientSize() const override;
    void Invalidate(const QRect& rect) override;
    void InvalidateAll() override;
    void ScrollRect(const QRect& rect, int dx, int dy) override;
    void FlushPaint() override;
    ScrollBarInfo ScrollInfo(ScrollBarKind bar) const override;
    void SetScrollInfo(ScrollBarKind bar, const ScrollBarInfo& info) override;
    void SetScrollBarShown(ScrollBarKind bar, bool always, bool enabled) override;
    int ScrollBarExtent(ScrollBarKind bar) const override;
    bool CanFocus() const override;
    bool SetFocus() override;
    bool Focused() const override;
    void SetCapture(bool capture) override;
    void SetCursor(CursorShape cursor) override;
    void StartTimer(int milliseconds) override { timer_.start(milliseconds); }
    void StopTimer() override { timer_.stop(); }
    void QueueLayout() override;
    bool LayoutQueued() const override { return layoutQueued_; }
    void CancelQueuedLayout() override { layoutQueued_ = false; }
    void ShowContextMenu(const QPoint& at) override;
    QPoint ToScreen(const QPoint& at) const override;
    QRect ScreenRect() const override;
    void ShowEditor(const QRect& rect, const QString& text, const FontSpec& font) override;
    void HideEditor() override;
    bool EditorShown() const override;
    void ReportError(const QString& message) override;

    // The menu a right click shows; none by default.
    void SetPopupMenu(QMenu* menu) { popupMenu_ = menu; }
    QLineEdit* Editor() const { return editor_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void scrollContentsBy(int, int) override {}

private:
    void BarAction(ScrollBarKind bar, int action);

    // The editor's keys that belong to the control.
    bool EditorKey(QKeyEvent* event);

    ControlMessages* messages_ = nullptr;
    QLineEdit* editor_ = nullptr;
    QPointer<QMenu> popupMenu_;
    std::map<ScrollBarKind, ScrollBarInfo> bars_;
    QTimer timer_;
    bool layoutQueued_ = false;
};
