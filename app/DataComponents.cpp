#include "DataComponents.h"

#include "db/Connection.h"
#include "db/DataSource.h"
#include "db/Query.h"
#include "platform/Layout.h"

#include <QJsonArray>

void RegisterDataComponents()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;

    RegisterComponentClass(u"Connection"_qs, [](QObject* p) -> QObject* { return new DbConnection(p); });
    RegisterComponentClass(u"Query"_qs, [](QObject* p) -> QObject* { return new DbQuery(p); });
    RegisterComponentClass(u"DataSource"_qs, [](QObject* p) -> QObject* { return new TDataSource(p); });

    RegisterPropertyApplier([](QObject* c, const QString& name, const QJsonValue& value, LayoutLoad& load) {
        if (auto* query = qobject_cast<DbQuery*>(c)) {
            if (name == u"Connection") {
                load.Resolve(value.toString(), [query](QObject* target) {
                    query->SetConnection(qobject_cast<DbConnection*>(target));
                });
                return true;
            }
            if (name == u"SQL") {
                for (const QJsonValue& line : value.toArray())
                    query->SQL().append(line.toString());
                return true;
            }
        }
        if (auto* source = qobject_cast<TDataSource*>(c); source && name == u"DataSet") {
            load.Resolve(value.toString(), [source](QObject* target) {
                source->SetDataSet(qobject_cast<DbQuery*>(target));
            });
            return true;
        }
        return false;
    });
}
