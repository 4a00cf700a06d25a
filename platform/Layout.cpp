#include "Layout.h"

#include "Application.h"
#include "Errors.h"

#include <QFile>
#include <QStringList>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMetaMethod>
#include <QPointer>
#include <map>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

struct Registry {
    std::map<QString, ComponentFactory> factories;
    std::vector<PropertyApplier> appliers;
    std::vector<EventBinder> binders;
};

Registry& theRegistry()
{
    static Registry registry = [] {
        Registry r;
        // A form's creation handler runs once its layout is loaded; the
        // form's events are bound last.
        r.binders.push_back([](QObject* component, const QString& event, const auto& call) {
            if (event != u"OnCreate")
                return false;
            call(component, nullptr);
            return true;
        });
        return r;
    }();
    return registry;
}

// Forms by name, and references to forms not loaded yet.
std::map<QString, QPointer<QObject>>& loadedForms()
{
    static std::map<QString, QPointer<QObject>> forms;
    return forms;
}

// A reference to a component of a form not loaded yet; dropped when the form
// that made it goes first.
struct PendingReference {
    QPointer<QObject> requester;
    QString component;
    std::function<void(QObject*)> use;
};

std::multimap<QString, PendingReference>& pendingReferences()
{
    static std::multimap<QString, PendingReference> pending;
    return pending;
}

QJsonObject readLayout(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(u"Layout %1 not found"_s.arg(path));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (!document.isObject())
        throw Exception(u"Layout %1: %2"_s.arg(path, error.errorString()));
    return document.object();
}

void applyProperty(QObject* component, const QString& name, const QJsonValue& value, LayoutLoad& load)
{
    for (const PropertyApplier& applier : theRegistry().appliers)
        if (applier(component, name, value, load))
            return;
    const QByteArray key = name.toUtf8();
    if (!component->setProperty(key.constData(), value.toVariant())
        && component->metaObject()->indexOfProperty(key.constData()) >= 0)
        throw Exception(u"Layout: property %1 of %2 not set"_s.arg(name, component->objectName()));
}

// JSON keeps no order, and a selection needs its items: these go last, in this order.
const QStringList kLateProperties = {u"ItemIndex"_s, u"Text"_s};

void applyProperties(QObject* component, const QJsonObject& properties, LayoutLoad& load)
{
    for (auto it = properties.begin(); it != properties.end(); ++it)
        if (!kLateProperties.contains(it.key()))
            applyProperty(component, it.key(), it.value(), load);
    for (const QString& name : kLateProperties)
        if (properties.contains(name))
            applyProperty(component, name, properties.value(name), load);
}

// The form's method of that name, or an invalid method.
QMetaMethod findHandler(const QObject* form, const QString& handler)
{
    const QMetaObject* meta = form->metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
        if (QString::fromLatin1(meta->method(i).name()) == handler)
            return meta->method(i);
    return QMetaMethod();
}

// Calls a form's handler through the application's event frame.
void invokeHandler(QObject* form, const QMetaMethod& method, QObject* sender, QChar* key)
{
    Application::instance().handleEvent([&] {
        bool called = false;
        if (method.parameterCount() == 0)
            called = method.invoke(form, Qt::DirectConnection);
        else if (method.parameterCount() == 1)
            called = method.invoke(form, Qt::DirectConnection, Q_ARG(QObject*, sender));
        else
            called = method.invoke(form, Qt::DirectConnection, Q_ARG(QObject*, sender), Q_ARG(QChar*, key));
        if (!called)
            throw Exception(u"Handler %1 could not be called"_s.arg(QString::fromLatin1(method.name())));
    });
}

// Each handler is looked up once, when the layout loads.
void bindEvents(QObject* component, const QJsonObject& events, QObject* form)
{
    for (auto it = events.begin(); it != events.end(); ++it) {
        const QString handler = it.value().toString();
        const QMetaMethod method = findHandler(form, handler);
        if (!method.isValid())
            throw Exception(u"Layout: handler %1 of %2 not found"_s.arg(handler, component->objectName()));
        const QPointer<QObject> target = form;
        auto call = [target, method](QObject* sender, QChar* key) {
            if (target)
                invokeHandler(target, method, sender, key);
        };
        bool bound = false;
        for (const EventBinder& binder : theRegistry().binders)
            if ((bound = binder(component, it.key(), call)))
                break;
        if (!bound)
            throw Exception(u"Layout: event %1 of %2 is not known"_s.arg(it.key(), component->objectName()));
    }
}

void createComponents(QObject* parent, const QJsonArray& children, LayoutLoad& load,
                      std::vector<std::pair<QObject*, QJsonObject>>& created)
{
    for (const QJsonValue& value : children) {
        const QJsonObject layout = value.toObject();
        const QString className = layout.value(u"class").toString();
        const auto factory = theRegistry().factories.find(className);
        if (factory == theRegistry().factories.end())
            throw Exception(u"Layout: class %1 is not known"_s.arg(className));
        QObject* component = factory->second(parent);
        component->setObjectName(layout.value(u"name").toString());
        created.emplace_back(component, layout);
        createComponents(component, layout.value(u"children").toArray(), load, created);
    }
}

} // namespace

void registerComponentClass(const QString& className, ComponentFactory factory)
{
    theRegistry().factories[className] = std::move(factory);
}

void registerPropertyApplier(PropertyApplier applier)
{
    theRegistry().appliers.push_back(std::move(applier));
}

void registerEventBinder(EventBinder binder)
{
    theRegistry().binders.push_back(std::move(binder));
}

void LayoutLoad::resolve(const QString& reference, std::function<void(QObject*)> use)
{
    const int dot = reference.indexOf(u'.');
    if (dot < 0) {
        afterCreation([this, reference, use] {
            QObject* target = findComponent(form_, reference);
            if (!target)
                throw Exception(u"Layout: component %1 not found"_s.arg(reference));
            use(target);
        });
        return;
    }
    const QString formName = reference.left(dot);
    const QString componentName = reference.mid(dot + 1);
    const auto form = loadedForms().find(formName);
    if (form != loadedForms().end() && form->second) {
        if (QObject* target = findComponent(form->second, componentName))
            use(target);
        return;
    }
    pendingReferences().emplace(formName, PendingReference{form_, componentName, std::move(use)});
}

void loadLayout(QObject* form, const QString& resourcePath)
{
    const QJsonObject layout = readLayout(resourcePath);
    form->setObjectName(layout.value(u"name").toString());

    LayoutLoad load(form);
    std::vector<std::pair<QObject*, QJsonObject>> created;
    createComponents(form, layout.value(u"children").toArray(), load, created);
    applyProperties(form, layout.value(u"properties").toObject(), load);
    for (const auto& [component, componentLayout] : created)
        applyProperties(component, componentLayout.value(u"properties").toObject(), load);
    for (const auto& step : load.afterCreation_)
        step();
    for (const auto& step : load.whenLoaded_)
        step();
    for (const auto& [component, componentLayout] : created)
        bindEvents(component, componentLayout.value(u"events").toObject(), form);

    // Other forms' references to this one.
    loadedForms()[form->objectName()] = form;
    auto [first, last] = pendingReferences().equal_range(form->objectName());
    for (auto it = first; it != last; ++it)
        if (QObject* target = findComponent(form, it->second.component); target && it->second.requester)
            it->second.use(target);
    pendingReferences().erase(form->objectName());

    bindEvents(form, layout.value(u"events").toObject(), form);
}

QObject* findComponent(const QObject* form, const QString& name)
{
    return form->findChild<QObject*>(name);
}
