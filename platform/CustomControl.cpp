#include "CustomControl.h"

#include "Application.h"
#include "PainterCanvas.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

// A posted message of the control, delivered as an event of this type.
const QEvent::Type kPostedMessage = QEvent::Type(QEvent::User + 124);

class PostedMessageEvent : public QEvent {
public:
    explicit PostedMessageEvent(int message) : QEvent(kPostedMessage), Message(message) {}
    const int Message;
};

} // namespace

TCustomControlWidget::TCustomControlWidget(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int action) { BarAction(TScrollBarKind::Horizontal, action); });
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int action) { BarAction(TScrollBarKind::Vertical, action); });
    connect(horizontalScrollBar(), &QScrollBar::sliderReleased, this, [this] {
        if (messages_)
            Application().HandleEvent([&] {
                messages_->ScrollRequest(TScrollBarKind::Horizontal, scPosition, horizontalScrollBar()->value());
            });
    });
    connect(verticalScrollBar(), &QScrollBar::sliderReleased, this, [this] {
        if (messages_)
            Application().HandleEvent([&] {
                messages_->ScrollRequest(TScrollBarKind::Vertical, scPosition, verticalScrollBar()->value());
            });
    });
}

void TCustomControlWidget::BarAction(TScrollBarKind bar, int action)
{
    if (!messages_)
        return;
    QScrollBar* scrollBar = bar == TScrollBarKind::Horizontal ? horizontalScrollBar() : verticalScrollBar();
    TScrollCodeEh code;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: code = scLineUp; break;
    case QAbstractSlider::SliderSingleStepAdd: code = scLineDown; break;
    case QAbstractSlider::SliderPageStepSub: code = scPageUp; break;
    case QAbstractSlider::SliderPageStepAdd: code = scPageDown; break;
    case QAbstractSlider::SliderToMinimum: code = scTop; break;
    case QAbstractSlider::SliderToMaximum: code = scBottom; break;
    case QAbstractSlider::SliderMove: code = scTrack; break;
    default: return;
    }
    const int position = scrollBar->sliderPosition();
    Application().HandleEvent([&] { messages_->ScrollRequest(bar, code, position); });
}

bool TCustomControlWidget::Showing() const
{
    return isVisible();
}

QSize TCustomControlWidget::ClientSize() const
{
    return viewport()->size();
}

void TCustomControlWidget::Invalidate(const QRect& rect)
{
    viewport()->update(rect);
}

void TCustomControlWidget::InvalidateAll()
{
    viewport()->update();
}

void TCustomControlWidget::ScrollRect(const QRect& rect, int dx, int dy)
{
    viewport()->scroll(dx, dy, rect);
}

void TCustomControlWidget::FlushPaint()
{
    if (isVisible())
        QCoreApplication::sendPostedEvents(window(), QEvent::UpdateRequest);
}

TScrollInfo TCustomControlWidget::ScrollInfo(TScrollBarKind bar) const
{
    const auto it = bars_.find(bar);
    TScrollInfo info = it == bars_.end() ? TScrollInfo{} : it->second;
    const QScrollBar* scrollBar = bar == TScrollBarKind::Horizontal ? horizontalScrollBar() : verticalScrollBar();
    info.Pos = scrollBar->value();
    return info;
}

void TCustomControlWidget::SetScrollInfo(TScrollBarKind bar, const TScrollInfo& info)
{
    bars_[bar] = info;
    QScrollBar* scrollBar = bar == TScrollBarKind::Horizontal ? horizontalScrollBar() : verticalScrollBar();
    const QSignalBlocker quiet(scrollBar);
    // A page covers Page positions: the thumb's last position is Max - Page + 1.
    const int page = qMax(1, info.Page);
    scrollBar->setRange(info.Min, qMax(info.Min, info.Max - page + 1));
    scrollBar->setPageStep(page);
    scrollBar->setValue(info.Pos);
}

void TCustomControlWidget::SetScrollBarShown(TScrollBarKind bar, bool always, bool enabled)
{
    const Qt::ScrollBarPolicy policy = always ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded;
    if (bar == TScrollBarKind::Horizontal) {
        setHorizontalScrollBarPolicy(policy);
        horizontalScrollBar()->setEnabled(enabled);
    } else {
        setVerticalScrollBarPolicy(policy);
        verticalScrollBar()->setEnabled(enabled);
    }
}

int TCustomControlWidget::ScrollBarExtent(TScrollBarKind bar) const
{
    return bar == TScrollBarKind::Horizontal ? horizontalScrollBar()->sizeHint().height()
                                             : verticalScrollBar()->sizeHint().width();
}

bool TCustomControlWidget::CanFocus() const
{
    return isEnabled() && isVisible() && focusPolicy() != Qt::NoFocus;
}

void TCustomControlWidget::SetFocus()
{
    setFocus(Qt::OtherFocusReason);
}

bool TCustomControlWidget::Focused() const
{
    return hasFocus();
}

void TCustomControlWidget::SetCapture(bool capture)
{
    capture ? viewport()->grabMouse() : viewport()->releaseMouse();
}

void TCustomControlWidget::SetCursor(TCursorEh cursor)
{
    switch (cursor) {
    case TCursorEh::Default: viewport()->unsetCursor(); break;
    case TCursorEh::HorizontalSplit: viewport()->setCursor(Qt::SplitHCursor); break;
    case TCursorEh::VerticalSplit: viewport()->setCursor(Qt::SplitVCursor); break;
    }
}

void TCustomControlWidget::SetTimer(int id, int milliseconds)
{
    KillTimer(id);
    timers_[id] = startTimer(milliseconds);
}

void TCustomControlWidget::KillTimer(int id)
{
    if (const auto it = timers_.find(id); it != timers_.end()) {
        killTimer(it->second);
        timers_.erase(it);
    }
}

void TCustomControlWidget::PostMessage(int message)
{
    posted_.append(message);
    QCoreApplication::postEvent(this, new PostedMessageEvent(message));
}

bool TCustomControlWidget::MessagePending(int message) const
{
    return posted_.contains(message);
}

void TCustomControlWidget::RemoveMessage(int message)
{
    // The event still arrives; one that is no longer pending is dropped.
    posted_.removeAll(message);
}

void TCustomControlWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    PainterCanvas canvas(painter);
    if (messages_)
        Application().HandleEvent([&] { messages_->Paint(canvas, event->rect()); });
}

void TCustomControlWidget::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    if (messages_)
        Application().HandleEvent([&] { messages_->Resized(); });
}

void TCustomControlWidget::keyPressEvent(QKeyEvent* event)
{
    if (!messages_)
        return QAbstractScrollArea::keyPressEvent(event);
    Application().HandleEvent([&] {
        messages_->KeyDown(event->key(), event->modifiers());
        if (!event->text().isEmpty() && event->text().front().isPrint())
            for (QChar ch : event->text())
                messages_->KeyPress(ch);
    });
}

void TCustomControlWidget::mousePressEvent(QMouseEvent* event)
{
    if (messages_)
        Application().HandleEvent([&] {
            messages_->MouseDown(event->button(), event->modifiers(), event->position().toPoint(), false);
        });
}

void TCustomControlWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (messages_)
        Application().HandleEvent([&] {
            messages_->MouseDown(event->button(), event->modifiers(), event->position().toPoint(), true);
        });
}

void TCustomControlWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (messages_)
        Application().HandleEvent([&] {
            messages_->MouseMove(event->buttons(), event->modifiers(), event->position().toPoint());
        });
}

void TCustomControlWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (messages_)
        Application().HandleEvent([&] {
            messages_->MouseUp(event->button(), event->modifiers(), event->position().toPoint());
        });
}

void TCustomControlWidget::wheelEvent(QWheelEvent* event)
{
    if (messages_)
        Application().HandleEvent([&] {
            messages_->Wheel(event->angleDelta().y(), event->modifiers(), event->position().toPoint());
        });
}

void TCustomControlWidget::timerEvent(QTimerEvent* event)
{
    for (const auto& [id, qtId] : timers_)
        if (qtId == event->timerId()) {
            if (messages_)
                Application().HandleEvent([&, id = id] { messages_->Timer(id); });
            return;
        }
    QAbstractScrollArea::timerEvent(event);
}

void TCustomControlWidget::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    if (messages_)
        Application().HandleEvent([&] { messages_->FocusIn(); });
}

void TCustomControlWidget::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    if (messages_)
        Application().HandleEvent([&] { messages_->FocusOut(); });
}

bool TCustomControlWidget::event(QEvent* event)
{
    if (event->type() == kPostedMessage) {
        const int message = static_cast<PostedMessageEvent*>(event)->Message;
        if (posted_.removeOne(message) && messages_)
            Application().HandleEvent([&] { messages_->PostedMessage(message); });
        return true;
    }
    // Another window took the mouse or the application went inactive.
    if ((event->type() == QEvent::UngrabMouse || event->type() == QEvent::WindowDeactivate) && messages_)
        Application().HandleEvent([&] { messages_->CancelMode(); });
    return QAbstractScrollArea::event(event);
}
