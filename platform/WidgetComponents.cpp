#include "WidgetComponents.h"

#include "Anchors.h"
#include "BevelPanel.h"
#include "Colours.h"
#include "ComboBox.h"
#include "Errors.h"
#include "Fonts.h"
#include "Layout.h"
#include "WidgetEvents.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <map>

using namespace Qt::StringLiterals;

namespace {

QWidget* parentWidget(QObject* parent)
{
    return qobject_cast<QWidget*>(parent);
}

// A label takes its size from its text unless the layout fixes it.
class AutoSizeLabel : public QLabel {
public:
    using QLabel::QLabel;
    bool autoSize = true;
};

void setColourRole(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

Qt::Alignment alignment(const QString& name)
{
    if (name == u"center")
        return Qt::AlignCenter;
    if (name == u"right")
        return Qt::AlignRight | Qt::AlignVCenter;
    return Qt::AlignLeft | Qt::AlignVCenter;
}

int anchorBits(const QJsonArray& anchors)
{
    static const std::map<QString, Anchor> names = {
        {u"left"_s, Anchor::Left}, {u"top"_s, Anchor::Top}, {u"right"_s, Anchor::Right}, {u"bottom"_s, Anchor::Bottom}};
    int bits = 0;
    for (const QJsonValue& anchor : anchors)
        bits |= int(names.at(anchor.toString()));
    return bits;
}

// Tab order follows each control's TabOrder among its siblings.
void applyTabOrders(QObject* form)
{
    std::map<QWidget*, std::map<int, QWidget*>> byParent;
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        const QVariant order = widget->property("TabOrder");
        if (order.isValid())
            byParent[widget->parentWidget()][order.toInt()] = widget;
    }
    for (const auto& [parent, ordered] : byParent) {
        QWidget* previous = nullptr;
        for (const auto& [order, widget] : ordered) {
            if (previous)
                QWidget::setTabOrder(previous, widget);
            previous = widget;
        }
    }
}

// A window that comes up in the middle of its screen's free area each time it is shown.
void centreWhenShown(QWidget* window)
{
    class Centring : public QObject {
    public:
        explicit Centring(QWidget* window) : QObject(window) { window->installEventFilter(this); }
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            auto* window = static_cast<QWidget*>(watched);
            if (event->type() == QEvent::Show)
                if (QScreen* screen = window->screen())
                    window->move(screen->availableGeometry().center() - window->rect().center());
            return false;
        }
    };
    new Centring(window);
}

bool applyGeometry(QWidget* w, const QString& name, int value)
{
    const QRect r = w->geometry();
    if (name == u"Left")
        w->move(value, r.y());
    else if (name == u"Top")
        w->move(r.x(), value);
    else if (name == u"Width")
        w->resize(value, r.height());
    else if (name == u"Height")
        w->resize(r.width(), value);
    else
        return false;
    if (auto* label = dynamic_cast<AutoSizeLabel*>(w); label && (name == u"Width" || name == u"Height"))
        label->autoSize = false;
    return true;
}

// The tab control a page belongs to: pages live in its inner stack.
QTabWidget* tabWidgetOf(QObject* page)
{
    for (QObject* p = page->parent(); p; p = p->parent())
        if (auto* tabs = qobject_cast<QTabWidget*>(p))
            return tabs;
    return nullptr;
}

bool applyText(QObject* c, const QString& name, const QJsonValue& value)
{
    const QString text = value.toString();
    if (name == u"Caption") {
        if (auto* label = qobject_cast<QLabel*>(c))
            label->setText(text);
        else if (auto* button = qobject_cast<QAbstractButton*>(c))
            button->setText(text);
        else if (auto* action = qobject_cast<QAction*>(c))
            action->setText(text);
        else if (auto* widget = qobject_cast<QWidget*>(c); widget && widget->isWindow())
            widget->setWindowTitle(text);
        else if (auto* tabs = tabWidgetOf(c))
            tabs->setTabText(tabs->indexOf(static_cast<QWidget*>(c)), text);
        else
            return false;
        return true;
    }
    if (name == u"Text") {
        if (auto* edit = qobject_cast<QLineEdit*>(c))
            edit->setText(text);
        else if (auto* combo = qobject_cast<ComboBox*>(c))
            combo->setText(text);
        else
            return false;
        return true;
    }
    if (name == u"Lines") {
        QStringList lines;
        for (const QJsonValue& line : value.toArray())
            lines.append(line.toString());
        if (auto* memo = qobject_cast<QPlainTextEdit*>(c)) {
            memo->setPlainText(lines.join(u'\n'));
            return true;
        }
    }
    return false;
}

bool applyWidgetProperty(QWidget* w, const QString& name, const QJsonValue& value, LayoutLoad& load)
{
    if (applyGeometry(w, name, value.toInt()))
        return true;
    if (name == u"Font") {
        const QJsonObject font = value.toObject();
        w->setFont(resolveFont(readFontSpec(font)));
        if (font.contains(u"Color")) {
            const QColor colour = colourFromName(font.value(u"Color").toString()).resolved();
            setColourRole(w, QPalette::WindowText, colour);
            setColourRole(w, QPalette::Text, colour);
        }
        return true;
    }
    if (name == u"Color") {
        // Edit fields and memos paint their text area; other controls their face.
        const bool textArea = qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QLineEdit*>(w);
        setColourRole(w, textArea ? QPalette::Base : QPalette::Window, colourFromName(value.toString()).resolved());
        w->setAutoFillBackground(!w->isWindow() && !textArea);
        return true;
    }
    if (name == u"Anchors") {
        load.afterCreation([w, bits = anchorBits(value.toArray())] { setAnchors(w, bits); });
        return true;
    }
    if (name == u"TabOrder") {
        w->setProperty("TabOrder", value.toInt());
        QObject* form = load.form();
        if (!form->property("TabOrdersPending").toBool()) {
            form->setProperty("TabOrdersPending", true);
            load.afterCreation([form] { applyTabOrders(form); });
        }
        return true;
    }
    if (name == u"Visible" || name == u"Enabled") {
        name == u"Visible" ? w->setVisible(value.toBool()) : w->setEnabled(value.toBool());
        return true;
    }
    if (name == u"BorderStyle" && value.toString() == u"none") {
        if (auto* frame = qobject_cast<QFrame*>(w))
            frame->setFrameShape(QFrame::NoFrame);
        return true;
    }
    if (w->isWindow() && (name == u"ClientWidth" || name == u"ClientHeight")) {
        name == u"ClientWidth" ? w->resize(value.toInt(), w->height()) : w->resize(w->width(), value.toInt());
        return true;
    }
    if (w->isWindow() && name == u"Position" && value.toString() == u"screenCenter") {
        centreWhenShown(w);
        return true;
    }
    if (w->isWindow() && name == u"BorderStyle" && value.toString() == u"dialog") {
        load.afterCreation([w] { w->setFixedSize(w->size()); });
        return true;
    }
    if (name == u"Cursor" && value.toString() == u"handPoint") {
        w->setCursor(Qt::PointingHandCursor);
        return true;
    }
    return false;
}

bool applyControlProperty(QObject* c, const QString& name, const QJsonValue& value, LayoutLoad& load)
{
    if (applyText(c, name, value))
        return true;
    if (auto* combo = qobject_cast<ComboBox*>(c)) {
        if (name == u"Items") {
            for (const QJsonValue& item : value.toArray())
                combo->addItem(item.toString());
            return true;
        }
        if (name == u"ItemIndex") {
            combo->setItemIndex(value.toInt());
            return true;
        }
        if (name == u"DropDownCount") {
            combo->setMaxVisibleItems(value.toInt());
            return true;
        }
        if (name == u"Style" && value.toString() == u"dropDownList") {
            combo->setEditable(false);  // a choice among the items, no free text
            return true;
        }
    }
    if (auto* check = qobject_cast<QCheckBox*>(c); check && name == u"Checked") {
        check->setChecked(value.toBool());
        return true;
    }
    if (auto* button = qobject_cast<QPushButton*>(c); button && name == u"ModalResult") {
        // The button closes its dialog with that result.
        const bool ok = value.toString() == u"ok";
        QObject::connect(button, &QAbstractButton::clicked, button, [button, ok] {
            if (auto* dialog = qobject_cast<QDialog*>(button->window()))
                ok ? dialog->accept() : dialog->reject();
        });
        return true;
    }
    if (auto* button = qobject_cast<QPushButton*>(c); button && name == u"Default") {
        button->setDefault(value.toBool());
        button->setAutoDefault(value.toBool());
        return true;
    }
    if (auto* label = dynamic_cast<AutoSizeLabel*>(c); label && name == u"WordWrap") {
        label->setWordWrap(value.toBool());
        return true;
    }
    if (auto* label = qobject_cast<QLabel*>(c); label && name == u"FocusControl") {
        // The label's mnemonic focuses that control.
        load.afterCreation([label, form = load.form(), control = value.toString()] {
            label->setBuddy(qobject_cast<QWidget*>(findComponent(form, control)));
        });
        return true;
    }
    if (auto* label = qobject_cast<QLabel*>(c); label && name == u"Picture") {
        label->setPixmap(QPixmap(value.toString()));
        label->setScaledContents(true);
        return true;
    }
    if (auto* timer = qobject_cast<QTimer*>(c)) {
        if (name == u"Interval")
            timer->setInterval(value.toInt());
        else if (name == u"Enabled")
            value.toBool() ? timer->start() : timer->stop();
        else
            return false;
        return true;
    }
    if (auto* bar = qobject_cast<QStatusBar*>(c); bar && name == u"Height") {
        bar->setFixedHeight(value.toInt());
        return true;
    }
    if (auto* bar = qobject_cast<QStatusBar*>(c); bar && name == u"Panels") {
        bar->setSizeGripEnabled(false);
        for (const QJsonValue& panelValue : value.toArray()) {
            const QJsonObject panel = panelValue.toObject();
            auto* label = new QLabel(panel.value(u"Text").toString(), bar);
            label->setAlignment(alignment(panel.value(u"Alignment").toString()));
            if (panel.contains(u"Width")) {
                label->setFixedWidth(panel.value(u"Width").toInt());
                bar->addWidget(label);
            } else {
                bar->addWidget(label, 1);
            }
        }
        return true;
    }
    if (auto* panel = dynamic_cast<BevelPanel*>(c); panel && (name == u"BevelOuter" || name == u"BevelInner")) {
        const BevelPanel::Bevel bevel = BevelPanel::bevelNamed(value.toString());
        name == u"BevelOuter" ? panel->setOuterBevel(bevel) : panel->setInnerBevel(bevel);
        return true;
    }
    if (auto* w = qobject_cast<QWidget*>(c))
        return applyWidgetProperty(w, name, value, load);
    return false;
}

void addMenuItem(QObject* parent, QAction* action)
{
    if (auto* bar = qobject_cast<QMenuBar*>(parent)) {
        bar->addAction(action);
    } else if (auto* menu = qobject_cast<QMenu*>(parent)) {
        menu->addAction(action);
    } else if (auto* owner = qobject_cast<QAction*>(parent)) {
        QMenu* sub = owner->menu();
        if (!sub) {
            sub = new QMenu(owner->text());
            QObject::connect(owner, &QObject::destroyed, sub, &QObject::deleteLater);
            owner->setMenu(sub);
        }
        sub->addAction(action);
    }
}

} // namespace

void registerWidgetComponents()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;

    registerComponentClass(u"QTabWidget"_s, [](QObject* p) -> QObject* {
        auto* tabs = new QTabWidget(parentWidget(p));
        if (auto* window = qobject_cast<QMainWindow*>(p))
            window->setCentralWidget(tabs);
        return tabs;
    });
    // A plain widget inside a tab control is one of its pages.
    registerComponentClass(u"QWidget"_s, [](QObject* p) -> QObject* {
        auto* tabs = qobject_cast<QTabWidget*>(p);
        auto* widget = new QWidget(parentWidget(p));
        if (tabs)
            tabs->addTab(widget, QString());
        return widget;
    });
    registerComponentClass(u"QLabel"_s, [](QObject* p) -> QObject* { return new AutoSizeLabel(parentWidget(p)); });
    registerComponentClass(u"QLineEdit"_s, [](QObject* p) -> QObject* { return new QLineEdit(parentWidget(p)); });
    registerComponentClass(u"QPushButton"_s, [](QObject* p) -> QObject* { return new QPushButton(parentWidget(p)); });
    registerComponentClass(u"QCheckBox"_s, [](QObject* p) -> QObject* { return new QCheckBox(parentWidget(p)); });
    registerComponentClass(u"ComboBox"_s, [](QObject* p) -> QObject* { return new ComboBox(parentWidget(p)); });
    registerComponentClass(u"QPlainTextEdit"_s, [](QObject* p) -> QObject* {
        auto* memo = new QPlainTextEdit(parentWidget(p));
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        // The lines start at the memo's edge, as the layout places them.
        memo->document()->setDocumentMargin(0);
        return memo;
    });
    registerComponentClass(u"QFrame"_s, [](QObject* p) -> QObject* { return new BevelPanel(parentWidget(p)); });
    registerComponentClass(u"QStatusBar"_s, [](QObject* p) -> QObject* {
        auto* bar = new QStatusBar(parentWidget(p));
        // A status bar keeps the system's font, whatever its window's.
        bar->setFont(resolveFont(systemFontSpec()));
        if (auto* window = qobject_cast<QMainWindow*>(p))
            window->setStatusBar(bar);
        return bar;
    });
    registerComponentClass(u"QMenuBar"_s, [](QObject* p) -> QObject* {
        auto* bar = new QMenuBar(parentWidget(p));
        if (auto* window = qobject_cast<QMainWindow*>(p))
            window->setMenuBar(bar);
        return bar;
    });
    registerComponentClass(u"QMenu"_s, [](QObject* p) -> QObject* { return new QMenu(parentWidget(p)); });
    registerComponentClass(u"QAction"_s, [](QObject* p) -> QObject* {
        auto* action = new QAction(p);
        addMenuItem(p, action);
        return action;
    });
    registerComponentClass(u"QTimer"_s, [](QObject* p) -> QObject* {
        auto* timer = new QTimer(p);
        timer->setInterval(1000);
        timer->start();
        return timer;
    });

    // Labels size themselves to their text once font and caption are set.
    registerPropertyApplier([](QObject* c, const QString&, const QJsonValue&, LayoutLoad& load) {
        if (auto* label = dynamic_cast<AutoSizeLabel*>(c); label && !label->property("SizePending").toBool()) {
            label->setProperty("SizePending", true);
            load.afterCreation([label] {
                if (label->autoSize)
                    label->adjustSize();
            });
        }
        return false;
    });
    registerPropertyApplier(applyControlProperty);
    registerEventBinder(bindWidgetEvent);
}
