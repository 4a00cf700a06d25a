#include "ControlWidget.h"

#include "Application.h"
#include "Colours.h"
#include "Fonts.h"
#include "Cursors.h"
#include "PainterCanvas.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QMouseEvent>
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QScrollBar>
#include <QWheelEvent>

ControlWidget::ControlWidget(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    // The control paints every pixel itself: nothing is erased before it paints.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int action) { BarAction(ScrollBarKind::Horizontal, action); });
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int action) { BarAction(ScrollBarKind::Vertical, action); });
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (messages_)
            Application::Instance().HandleEvent([this] { messages_->TimerTick(); });
    });
    // The in-place editor: read-only, frameless, over a cell while it shows.
    editor_ = new QLineEdit(viewport());
    editor_->setReadOnly(true);
    editor_->setFrame(false);
    editor_->hide();
    editor_->installEventFilter(this);
    // The wheel over a bar turns as over the control, which moves the bar itself.
    horizontalScrollBar()->installEventFilter(this);
    verticalScrollBar()->installEventFilter(this);
    connect(horizontalScrollBar(), &QScrollBar::sliderReleased, this, [this] {
        if (messages_)
            Application::Instance().HandleEvent([&] {
                messages_->ScrollRequest(ScrollBarKind::Horizontal, ScrollCode::Position, horizontalScrollBar()->value());
            });
    });
    connect(verticalScrollBar(), &QScrollBar::sliderReleased, this, [this] {
        if (messages_)
            Application::Instance().HandleEvent([&] {
                messages_->ScrollRequest(ScrollBarKind::Vertical, ScrollCode::Position, verticalScrollBar()->value());
            });
    });
}

void ControlWidget::BarAction(ScrollBarKind bar, int action)
{
    if (!messages_)
        return;
    QScrollBar* scrollBar = bar == ScrollBarKind::Horizontal ? horizontalScrollBar() : verticalScrollBar();
    ScrollCode code;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: code = ScrollCode::LineUp; break;
    case QAbstractSlider::SliderSingleStepAdd: code = ScrollCode::LineDown; break;
    case QAbstractSlider::SliderPageStepSub: code = ScrollCode::PageUp; break;
    case QAbstractSlider::SliderPageStepAdd: code = ScrollCode::PageDown; break;
    case QAbstractSlider::SliderToMinimum: code = ScrollCode::Top; break;
    case QAbstractSlider::SliderToMaximum: code = ScrollCode::Bottom; break;
    case QAbstractSlider::SliderMove: code = ScrollCode::Track; break;
    default: return;
    }
    const int position = scrollBar->sliderPosition();
    Application::Instance().HandleEvent([&] { messages_->ScrollRequest(bar, code, position); });
}

bool ControlWidget::Showing() const
{
    return isVisible();
}

QSize ControlWidget::ClientSize() const
{
    return viewport()->size();
}

void ControlWidget::Invalidate(const QRect& rect)
{
    viewport()->update(rect);
}

void ControlWidget::InvalidateAll()
{
    viewport()->update();
}

void ControlWidget::ScrollRect(const QRect& rect, int dx, int dy)
{
    viewport()->scroll(dx, dy, rect);
}

void ControlWidget::FlushPaint()
{
    if (isVisible())
        QCoreApplication::sendPostedEvents(window(), QEvent::UpdateRequest);
}

ScrollBarInfo ControlWidget::ScrollInfo(ScrollBarKind bar) const
{
    const auto it = bars_.find(bar);
    ScrollBarInfo info = it == bars_.end() ? ScrollBarInfo{} : it->second;
    const QScrollBar* scrollBar = bar == ScrollBarKind::Horizontal ? horizontalScrollBar() : verticalScrollBar();
    info.Pos = scrollBar->value();
    return info;
}

void ControlWidget::SetScrollInfo(ScrollBarKind bar, const ScrollBarInfo& info)
{
    bars_[bar] = info;
    QScrollBar* scrollBar = bar == ScrollBarKind::Horizontal ? horizontalScrollBar() : verticalScrollBar();
    const QSignalBlocker quiet(scrollBar);
    // A page covers Page positions: the thumb's last position is Max - Page + 1.
    const int page = qMax(1, info.Page);
    scrollBar->setRange(info.Min, qMax(info.Min, info.Max - page + 1));
    scrollBar->setPageStep(page);
    scrollBar->setValue(info.Pos);
}

void ControlWidget::SetScrollBarShown(ScrollBarKind bar, bool always, bool enabled)
{
    const Qt::ScrollBarPolicy policy = always ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded;
    if (bar == ScrollBarKind::Horizontal) {
        setHorizontalScrollBarPolicy(policy);
        horizontalScrollBar()->setEnabled(enabled);
    } else {
        setVerticalScrollBarPolicy(policy);
        verticalScrollBar()->setEnabled(enabled);
    }
}

int ControlWidget::ScrollBarExtent(ScrollBarKind bar) const
{
    return bar == ScrollBarKind::Horizontal ? horizontalScrollBar()->sizeHint().height()
                                             : verticalScrollBar()->sizeHint().width();
}

bool ControlWidget::CanFocus() const
{
    return isEnabled() && isVisible() && focusPolicy() != Qt::NoFocus;
}

bool ControlWidget::SetFocus()
{
    // The window's activation arrives later from the window system; the
    // focus is ours once the window names this control its focus.
    if (!isActiveWindow())
        activateWindow();
    setFocus(Qt::OtherFocusReason);
    const QWidget* focus = window()->focusWidget();
    return focus == this || focus == editor_;
}

bool ControlWidget::Focused() const
{
    return hasFocus() || editor_->hasFocus();
}

void ControlWidget::SetCapture(bool capture)
{
    capture ? viewport()->grabMouse() : viewport()->releaseMouse();
}

void ControlWidget::SetCursor(CursorShape cursor)
{
    if (cursor == CursorShape::Default)
        viewport()->unsetCursor();
    else
        viewport()->setCursor(CursorFor(cursor));
}

void ControlWidget::QueueLayout()
{
    if (layoutQueued_)
        return;
    layoutQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (std::exchange(layoutQueued_, false) && messages_)
                Application::Instance().HandleEvent([this] { messages_->QueuedLayout(); });
        },
        Qt::QueuedConnection);
}

void ControlWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    PainterCanvas canvas(painter);
    if (messages_)
        Application::Instance().HandleEvent([&] { messages_->Paint(canvas, event->region()); });
}

bool ControlWidget::viewportEvent(QEvent* event)
{
    // The client area changes with the window and as scroll bars come and go.
    if (event->type() == QEvent::Resize && messages_)
        Application::Instance().HandleEvent([&] { messages_->Resized(); });
    return QAbstractScrollArea::viewportEvent(event);
}

void ControlWidget::keyPressEvent(QKeyEvent* event)
{
    if (!messages_)
        return QAbstractScrollArea::keyPressEvent(event);
    Application::Instance().HandleEvent([&] {
        messages_->KeyDown(event->key(), event->modifiers());
        if (!event->text().isEmpty() && event->text().front().isPrint())
            for (QChar ch : event->text())
                messages_->KeyPress(ch);
    });
}

void ControlWidget::mousePressEvent(QMouseEvent* event)
{
    if (messages_)
        Application::Instance().HandleEvent([&] {
            messages_->MouseDown(event->button(), event->modifiers(), event->position().toPoint(), false);
        });
}

void ControlWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (messages_)
        Application::Instance().HandleEvent([&] {
            messages_->MouseDown(event->button(), event->modifiers(), event->position().toPoint(), true);
        });
}

void ControlWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (messages_)
        Application::Instance().HandleEvent([&] {
            messages_->MouseMove(event->buttons(), event->modifiers(), event->position().toPoint());
        });
}

void ControlWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (messages_)
        Application::Instance().HandleEvent([&] {
            messages_->MouseUp(event->button(), event->modifiers(), event->position().toPoint());
        });
}

void ControlWidget::wheelEvent(QWheelEvent* event)
{
    if (messages_)
        Application::Instance().HandleEvent([&] {
            messages_->Wheel(event->angleDelta().y(), event->modifiers(), event->position().toPoint());
        });
}

void ControlWidget::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    if (messages_)
        Application::Instance().HandleEvent([&] { messages_->FocusIn(); });
}

void ControlWidget::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    if (!messages_)
        return;
    Application::Instance().HandleEvent([&] { messages_->FocusOut(); });
    // The focus gone elsewhere than to the cell editor ends a drag as Esc does.
    if (!isAncestorOf(QApplication::focusWidget()))
        Application::Instance().HandleEvent([&] { messages_->CancelMode(); });
}

void ControlWidget::ShowContextMenu(const QPoint& at)
{
    if (popupMenu_)
        popupMenu_->popup(viewport()->mapToGlobal(at));
}

QPoint ControlWidget::ToScreen(const QPoint& at) const
{
    return viewport()->mapToGlobal(at);
}

QRect ControlWidget::ScreenRect() const
{
    return screen() ? screen()->geometry() : QRect();
}

void ControlWidget::ShowEditor(const QRect& rect, const QString& text, const FontSpec& font)
{
    editor_->setGeometry(rect);
    editor_->setFont(ResolveFont(font));
    if (editor_->text() != text)
        editor_->setText(text);
    editor_->show();
    editor_->setFocus(Qt::OtherFocusReason);
}

void ControlWidget::HideEditor()
{
    if (editor_->isHidden())
        return;
    if (editor_->hasFocus())
        setFocus(Qt::OtherFocusReason);
    editor_->hide();
}

bool ControlWidget::EditorShown() const
{
    return !editor_->isHidden();
}

void ControlWidget::ReportError(const QString& message)
{
    // A box opened inside a paint would be painted over, and raised again by the next paint.
    QTimer::singleShot(0, this, [message] { Application::Instance().ShowException(message); });
}

bool ControlWidget::EditorKey(QKeyEvent* event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool control = key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Escape || key == Qt::Key_PageUp
                         || key == Qt::Key_PageDown || key == Qt::Key_Up || key == Qt::Key_Down
                         || (key == Qt::Key_Insert && !(modifiers & Qt::ShiftModifier))
                         || (key == Qt::Key_Delete && (modifiers & Qt::ControlModifier));
    if (!control || (key == Qt::Key_Tab && (modifiers & Qt::AltModifier)) || !messages_)
        return false;
    Application::Instance().HandleEvent([&] { messages_->KeyDown(key, modifiers); });
    return true;
}

bool ControlWidget::focusNextPrevChild(bool next)
{
    if (messages_ && messages_->WantsTab())
        return false;
    return QAbstractScrollArea::focusNextPrevChild(next);
}

void ControlWidget::contextMenuEvent(QContextMenuEvent* event)
{
    // A right click shows the menu once the control has handled the release;
    // the menu key shows it at once.
    if (event->reason() != QContextMenuEvent::Mouse)
        ShowContextMenu(viewport()->mapFrom(this, event->pos()));
}

bool ControlWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == editor_ && event->type() == QEvent::KeyPress && EditorKey(static_cast<QKeyEvent*>(event)))
        return true;
    if (event->type() == QEvent::Wheel && (watched == horizontalScrollBar() || watched == verticalScrollBar())) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

bool ControlWidget::event(QEvent* event)
{
    if (event->type() == QEvent::ApplicationPaletteChange && messages_)
        Application::Instance().HandleEvent([&] { messages_->SystemColoursChanged(DisplayBitsPerPixel()); });
    // Another window took the mouse or the application went inactive.
    if ((event->type() == QEvent::UngrabMouse || event->type() == QEvent::WindowDeactivate) && messages_)
        Application::Instance().HandleEvent([&] { messages_->CancelMode(); });
    return QAbstractScrollArea::event(event);
}
