#include "ControlWidget.h"

#include "Application.h"
#include "Cursors.h"
#include "Fonts.h"
#include "PainterCanvas.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

template <typename Call>
void ControlWidget::tell(Call&& call)
{
    if (messages_)
        Application::instance().handleEvent([&] { call(*messages_); });
}

QScrollBar* ControlWidget::scrollBar(ScrollBarKind kind) const
{
    return kind == ScrollBarKind::Horizontal ? horizontalScrollBar() : verticalScrollBar();
}

ControlWidget::ControlWidget(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    // The control paints every pixel itself: nothing is erased before it paints.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(&timer_, &QTimer::timeout, this, [this] { tell([](ControlMessages& m) { m.timerTick(); }); });
    // The in-place editor: read-only, frameless, over a cell while it shows.
    editor_ = new QLineEdit(viewport());
    editor_->setReadOnly(true);
    editor_->setFrame(false);
    editor_->hide();
    editor_->installEventFilter(this);
    // The wheel over a bar turns as over the control, which moves the bar
    // itself; a dragged thumb asks once, where it is let go.
    for (const ScrollBarKind kind : {ScrollBarKind::Horizontal, ScrollBarKind::Vertical}) {
        QScrollBar* bar = scrollBar(kind);
        bar->installEventFilter(this);
        connect(bar, &QScrollBar::actionTriggered, this, [this, kind](int action) { barAction(kind, action); });
        connect(bar, &QScrollBar::sliderReleased, this, [this, kind, bar] {
            tell([&](ControlMessages& m) { m.scrollRequest(kind, ScrollCode::Position, bar->value()); });
        });
    }
}

void ControlWidget::barAction(ScrollBarKind bar, int action)
{
    ScrollCode code;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: code = ScrollCode::LineUp; break;
    case QAbstractSlider::SliderSingleStepAdd: code = ScrollCode::LineDown; break;
    case QAbstractSlider::SliderPageStepSub: code = ScrollCode::PageUp; break;
    case QAbstractSlider::SliderPageStepAdd: code = ScrollCode::PageDown; break;
    case QAbstractSlider::SliderToMinimum: code = ScrollCode::Top; break;
    case QAbstractSlider::SliderToMaximum: code = ScrollCode::Bottom; break;
    default: return;  // a dragged thumb moves nothing until it is let go
    }
    const int position = scrollBar(bar)->sliderPosition();
    tell([&](ControlMessages& m) { m.scrollRequest(bar, code, position); });
}

bool ControlWidget::showing() const
{
    return isVisible();
}

QSize ControlWidget::clientSize() const
{
    return viewport()->size();
}

void ControlWidget::invalidate(const QRect& rect)
{
    viewport()->update(rect);
}

void ControlWidget::invalidateAll()
{
    viewport()->update();
}

void ControlWidget::scrollRect(const QRect& rect, int dx, int dy)
{
    viewport()->scroll(dx, dy, rect);
}

void ControlWidget::flushPaint()
{
    if (isVisible())
        QCoreApplication::sendPostedEvents(window(), QEvent::UpdateRequest);
}

ScrollBarInfo ControlWidget::scrollInfo(ScrollBarKind bar) const
{
    const auto it = bars_.find(bar);
    ScrollBarInfo info = it == bars_.end() ? ScrollBarInfo{} : it->second;
    info.pos = scrollBar(bar)->value();
    return info;
}

void ControlWidget::setScrollInfo(ScrollBarKind bar, const ScrollBarInfo& info)
{
    bars_[bar] = info;
    QScrollBar* shown = scrollBar(bar);
    const QSignalBlocker quiet(shown);
    // A page covers Page positions: the thumb's last position is Max - Page + 1.
    const int page = qMax(1, info.page);
    shown->setRange(info.min, qMax(info.min, info.max - page + 1));
    shown->setPageStep(page);
    shown->setValue(info.pos);
}

void ControlWidget::setScrollBarEnabled(ScrollBarKind bar, bool enabled)
{
    // Setting the policy lays the bars out at once, so the client size that
    // follows from the new range is current when the control next asks.
    bar == ScrollBarKind::Horizontal ? setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded)
                                     : setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scrollBar(bar)->setEnabled(enabled);
}

bool ControlWidget::canFocus() const
{
    return isEnabled() && isVisible() && focusPolicy() != Qt::NoFocus;
}

bool ControlWidget::takeFocus()
{
    // The window's activation arrives later from the window system; the
    // focus is ours once the window names this control its focus.
    if (!isActiveWindow())
        activateWindow();
    setFocus(Qt::OtherFocusReason);
    const QWidget* focus = window()->focusWidget();
    return focus == this || focus == editor_;
}

bool ControlWidget::focused() const
{
    return hasFocus() || editor_->hasFocus();
}

void ControlWidget::setCapture(bool capture)
{
    capture ? viewport()->grabMouse() : viewport()->releaseMouse();
}

void ControlWidget::setCursorShape(CursorShape cursor)
{
    if (cursor == CursorShape::Default)
        viewport()->unsetCursor();
    else
        viewport()->setCursor(cursorFor(cursor));
}

void ControlWidget::queueLayout()
{
    if (layoutQueued_)
        return;
    layoutQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (std::exchange(layoutQueued_, false))
                tell([](ControlMessages& m) { m.queuedLayout(); });
        },
        Qt::QueuedConnection);
}

void ControlWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    PainterCanvas canvas(painter);
    tell([&](ControlMessages& m) { m.paint(canvas, event->region()); });
}

bool ControlWidget::viewportEvent(QEvent* event)
{
    // The client area changes with the window and as scroll bars come and go.
    if (event->type() == QEvent::Resize)
        tell([](ControlMessages& m) { m.resized(); });
    return QAbstractScrollArea::viewportEvent(event);
}

void ControlWidget::keyPressEvent(QKeyEvent* event)
{
    if (!messages_)
        return QAbstractScrollArea::keyPressEvent(event);
    tell([&](ControlMessages& m) {
        m.keyDown(event->key(), event->modifiers());
        if (!event->text().isEmpty() && event->text().front().isPrint())
            for (QChar ch : event->text())
                m.keyPress(ch);
    });
}

void ControlWidget::mousePressEvent(QMouseEvent* event)
{
    tell([&](ControlMessages& m) { m.mouseDown(event->button(), event->modifiers(), event->position().toPoint(), false); });
}

void ControlWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    tell([&](ControlMessages& m) { m.mouseDown(event->button(), event->modifiers(), event->position().toPoint(), true); });
}

void ControlWidget::mouseMoveEvent(QMouseEvent* event)
{
    tell([&](ControlMessages& m) { m.mouseMove(event->buttons(), event->modifiers(), event->position().toPoint()); });
}

void ControlWidget::mouseReleaseEvent(QMouseEvent* event)
{
    tell([&](ControlMessages& m) { m.mouseUp(event->button(), event->modifiers(), event->position().toPoint()); });
}

void ControlWidget::wheelEvent(QWheelEvent* event)
{
    tell([&](ControlMessages& m) { m.wheel(event->angleDelta().y(), event->modifiers(), event->position().toPoint()); });
}

void ControlWidget::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    tell([](ControlMessages& m) { m.focusIn(); });
}

void ControlWidget::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    tell([](ControlMessages& m) { m.focusOut(); });
    // The focus gone elsewhere than to the cell editor ends a drag as Esc does.
    if (!isAncestorOf(QApplication::focusWidget()))
        tell([](ControlMessages& m) { m.cancelMode(); });
}

void ControlWidget::showContextMenu(const QPoint& at)
{
    if (popupMenu_)
        popupMenu_->popup(viewport()->mapToGlobal(at));
}

QPoint ControlWidget::toScreen(const QPoint& at) const
{
    return viewport()->mapToGlobal(at);
}

QRect ControlWidget::screenRect() const
{
    return screen() ? screen()->geometry() : QRect();
}

void ControlWidget::showEditor(const QRect& rect, const QString& text, const FontSpec& font)
{
    editor_->setGeometry(rect);
    editor_->setFont(resolveFont(font));
    if (editor_->text() != text)
        editor_->setText(text);
    editor_->show();
    editor_->setFocus(Qt::OtherFocusReason);
}

void ControlWidget::hideEditor()
{
    if (editor_->isHidden())
        return;
    if (editor_->hasFocus())
        setFocus(Qt::OtherFocusReason);
    editor_->hide();
}

bool ControlWidget::editorShown() const
{
    return !editor_->isHidden();
}

bool ControlWidget::editorKey(QKeyEvent* event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool control = key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Escape || key == Qt::Key_PageUp
                         || key == Qt::Key_PageDown || key == Qt::Key_Up || key == Qt::Key_Down
                         || (key == Qt::Key_Insert && !(modifiers & Qt::ShiftModifier))
                         || (key == Qt::Key_Delete && (modifiers & Qt::ControlModifier));
    if (!control || (key == Qt::Key_Tab && (modifiers & Qt::AltModifier)) || !messages_)
        return false;
    tell([&](ControlMessages& m) { m.keyDown(key, modifiers); });
    return true;
}

bool ControlWidget::focusNextPrevChild(bool next)
{
    if (messages_ && messages_->wantsTab())
        return false;
    return QAbstractScrollArea::focusNextPrevChild(next);
}

void ControlWidget::contextMenuEvent(QContextMenuEvent* event)
{
    // A right click shows the menu once the control has handled the release;
    // the menu key shows it at once.
    if (event->reason() != QContextMenuEvent::Mouse)
        showContextMenu(viewport()->mapFrom(this, event->pos()));
}

bool ControlWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == editor_ && event->type() == QEvent::KeyPress && editorKey(static_cast<QKeyEvent*>(event)))
        return true;
    if (event->type() == QEvent::Wheel && (watched == horizontalScrollBar() || watched == verticalScrollBar())) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

bool ControlWidget::event(QEvent* event)
{
    if (event->type() == QEvent::ApplicationPaletteChange)
        tell([](ControlMessages& m) { m.systemColoursChanged(); });
    // Another window took the mouse or the application went inactive.
    if (event->type() == QEvent::UngrabMouse || event->type() == QEvent::WindowDeactivate)
        tell([](ControlMessages& m) { m.cancelMode(); });
    return QAbstractScrollArea::event(event);
}
