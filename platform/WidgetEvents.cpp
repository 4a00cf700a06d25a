#include "WidgetEvents.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>

namespace {

// Runs a callback on one kind of event of an object.
class EventHook : public QObject {
public:
    EventHook(QObject* target, std::function<bool(QEvent*)> hook) : QObject(target), hook_(std::move(hook))
    {
        target->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override { return hook_(event); }

private:
    std::function<bool(QEvent*)> hook_;
};

} // namespace

bool bindWidgetEvent(QObject* c, const QString& event, const std::function<void(QObject*, QChar*)>& call)
{
    if (event == u"OnClick") {
        if (auto* button = qobject_cast<QAbstractButton*>(c))
            QObject::connect(button, &QAbstractButton::clicked, button, [c, call] { call(c, nullptr); });
        else if (auto* action = qobject_cast<QAction*>(c))
            QObject::connect(action, &QAction::triggered, action, [c, call] { call(c, nullptr); });
        else
            new EventHook(c, [c, call](QEvent* e) {
                if (e->type() == QEvent::MouseButtonRelease
                    && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
                    call(c, nullptr);
                return false;
            });
        return true;
    }
    if (event == u"OnKeyPress") {
        // A combo box's keys reach its edit field first.
        QObject* target = c;
        if (auto* combo = qobject_cast<QComboBox*>(c); combo && combo->lineEdit())
            target = combo->lineEdit();
        new EventHook(target, [c, call](QEvent* e) {
            if (e->type() != QEvent::KeyPress)
                return false;
            const QString text = static_cast<QKeyEvent*>(e)->text();
            if (text.isEmpty())
                return false;
            QChar key = text.front();
            call(c, &key);
            return key.isNull();  // a handler that sets the key to zero keeps it
        });
        return true;
    }
    if (event == u"OnChange") {
        // A change the user makes: an item picked or the text typed.
        if (auto* combo = qobject_cast<QComboBox*>(c)) {
            QObject::connect(combo, &QComboBox::activated, combo, [c, call] { call(c, nullptr); });
            if (combo->lineEdit())
                QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo, [c, call] { call(c, nullptr); });
            return true;
        }
    }
    if (event == u"OnTimer") {
        if (auto* timer = qobject_cast<QTimer*>(c)) {
            QObject::connect(timer, &QTimer::timeout, timer, [c, call] { call(c, nullptr); });
            return true;
        }
    }
    if (event == u"OnClose") {
        new EventHook(c, [c, call](QEvent* e) {
            if (e->type() == QEvent::Close)
                call(c, nullptr);
            return false;
        });
        return true;
    }
    return false;
}

