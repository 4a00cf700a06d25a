#include "DataComponents.h"

#include "db/Connection.h"
#include "db/DataSource.h"
#include "db/Query.h"
#include "platform/Layout.h"

#include <QJsonArray>

using namespace Qt::StringLiterals;

void registerDataComponents()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;

    registerComponentClass(u"Connection"_s, [](QObject* p) -> QObject* { return new Connection(p); });
    registerComponentClass(u"Query"_s, [](QObject* p) -> QObject* { return new Query(p); });
    registerComponentClass(u"DataSource"_s, [](QObject* p) -> QObject* { return new DataSource(p); });

    registerPropertyApplier([](QObject* c, const QString& name, const QJsonValue& value, LayoutLoad& load) {
        if (auto* query = qobject_cast<Query*>(c)) {
            if (name == u"Connection") {
                load.resolve(value.toString(), [query](QObject* target) {
                    query->setConnection(qobject_cast<Connection*>(target));
                });
                return true;
            }
            if (name == u"SQL") {
                for (const QJsonValue& line : value.toArray())
                    query->sql().append(line.toString());
                return true;
            }
        }
        if (auto* source = qobject_cast<DataSource*>(c); source && name == u"DataSet") {
            load.resolve(value.toString(), [source](QObject* target) {
                source->setDataSet(qobject_cast<Query*>(target));
            });
            return true;
        }
        return false;
    });
}
