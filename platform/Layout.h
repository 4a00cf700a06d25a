#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QObject>
#include <QString>
#include <functional>

// Stored layouts: a form's components, their properties and the names of the
// handlers bound to their events, kept as JSON in the program's resources and
// read when the form is created.
//
//   {"class": "...", "name": "...", "properties": {...}, "events": {"OnClick": "Handler"},
//    "children": [ ...components... ]}
//
// Components are created by class name through registered factories. A
// property is set by the first registered applier that takes it, else as the
// component's Qt property of that name. An event is bound by the first
// registered binder that knows it; the handler is the form's method of that
// name, called through the application's event frame.

class LayoutLoad;

using ComponentFactory = std::function<QObject*(QObject* parent)>;
using PropertyApplier = std::function<bool(QObject* component, const QString& name, const QJsonValue& value,
                                           LayoutLoad& load)>;
// Binds an event of a component to a call; returns false when the event is not its own.
using EventBinder = std::function<bool(QObject* component, const QString& event,
                                       const std::function<void(QObject* sender, QChar* key)>& call)>;

void registerComponentClass(const QString& className, ComponentFactory factory);
void registerPropertyApplier(PropertyApplier applier);
void registerEventBinder(EventBinder binder);

// The state of one form's load, for appliers that need other components.
class LayoutLoad {
public:
    explicit LayoutLoad(QObject* form) : form_(form) {}
    QObject* form() const { return form_; }
    // Runs once every component of the form exists.
    void afterCreation(std::function<void()> step) { afterCreation_.push_back(std::move(step)); }
    // Runs once the form is loaded: after every afterCreation step, before the form's own events.
    void whenLoaded(std::function<void()> step) { whenLoaded_.push_back(std::move(step)); }
    // A component of this form, or "Form.Component" of a form that is or will be loaded.
    void resolve(const QString& reference, std::function<void(QObject*)> use);

private:
    friend void loadLayout(QObject*, const QString&);
    QObject* form_;
    std::vector<std::function<void()>> afterCreation_;
    std::vector<std::function<void()>> whenLoaded_;
};

// Loads a layout resource onto a form object: the form's own properties and
// events, then its components as children. The form's name is the layout's.
// Raises Exception on a layout it cannot read.
void loadLayout(QObject* form, const QString& resourcePath);

// The component of that name owned by the form, or null.
QObject* findComponent(const QObject* form, const QString& name);
