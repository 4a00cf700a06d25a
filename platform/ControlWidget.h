#pragma once

#include "Canvas.h"
#include "ControlWindow.h"

#include <QAbstractScrollArea>
#include <QList>
#include <QMenu>
#include <QPointer>
#include <QTimer>

#include <map>

class QLineEdit;
class QScrollBar;

// The window of a custom-painted control over a QWidget: its client area is
// the viewport, its scroll bars the area's bars. It turns Qt's events into
// the control's messages and serves the control's requests.
class ControlWidget : public QAbstractScrollArea, public ControlWindow {
    Q_OBJECT

public:
    explicit ControlWidget(QWidget* parent = nullptr);

    void setMessages(ControlMessages* messages) { messages_ = messages; }

    bool showing() const override;
    QSize clientSize() const override;
    void invalidate(const QRect& rect) override;
    void invalidateAll() override;
    void scrollRect(const QRect& rect, int dx, int dy) override;
    void flushPaint() override;
    ScrollBarInfo scrollInfo(ScrollBarKind bar) const override;
    void setScrollInfo(ScrollBarKind bar, const ScrollBarInfo& info) override;
    void setScrollBarEnabled(ScrollBarKind bar, bool enabled) override;
    bool canFocus() const override;
    bool takeFocus() override;
    bool focused() const override;
    void setCapture(bool capture) override;
    void setCursorShape(CursorShape cursor) override;
    void startRepeatTimer(int milliseconds) override { timer_.start(milliseconds); }
    void stopRepeatTimer() override { timer_.stop(); }
    void queueLayout() override;
    bool layoutQueued() const override { return layoutQueued_; }
    void cancelQueuedLayout() override { layoutQueued_ = false; }
    void showContextMenu(const QPoint& at) override;
    QPoint toScreen(const QPoint& at) const override;
    QRect screenRect() const override;
    void showEditor(const QRect& rect, const QString& text, const FontSpec& font) override;
    void hideEditor() override;
    bool editorShown() const override;

    // The menu a right click shows; none by default.
    void setPopupMenu(QMenu* menu) { popupMenu_ = menu; }
    QLineEdit* editor() const { return editor_; }

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
    // Hands the control a window event through the application's event frame.
    template <typename Call>
    void tell(Call&& call);
    QScrollBar* scrollBar(ScrollBarKind kind) const;
    void barAction(ScrollBarKind bar, int action);

    // The editor's keys that belong to the control.
    bool editorKey(QKeyEvent* event);

    ControlMessages* messages_ = nullptr;
    QLineEdit* editor_ = nullptr;
    QPointer<QMenu> popupMenu_;
    std::map<ScrollBarKind, ScrollBarInfo> bars_;
    QTimer timer_;
    bool layoutQueued_ = false;
};
