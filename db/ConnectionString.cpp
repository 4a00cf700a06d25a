#include "ConnectionString.h"

#include <QStringList>

using namespace Qt::StringLiterals;

ConnectionStringPairs parseConnectionString(const QString& text)
{
    ConnectionStringPairs pairs;
    const QStringList parts = text.split(u';', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const int equals = part.indexOf(u'=');
        if (equals < 0)
            pairs.append({part.trimmed(), QString()});
        else
            pairs.append({part.left(equals).trimmed(), part.mid(equals + 1)});
    }
    return pairs;
}

QString connectionStringValue(const ConnectionStringPairs& pairs, const QString& key)
{
    for (const auto& [name, value] : pairs)
        if (name.compare(key, Qt::CaseInsensitive) == 0)
            return value;
    return QString();
}

QString odbcValue(const QString& value)
{
    if (value.contains(u';') || value.contains(u'{') || value.contains(u'}')
        || value != value.trimmed())
        return u'{' + QString(value).replace(u"}"_s, u"}}"_s) + u'}';
    return value;
}

QString odbcConnectionString(const QString& providerConnectionString, const QStringList& leftOut)
{
    static const QList<QPair<QString, QString>> renamed = {
        {u"Data Source"_s, u"DSN"_s},
        {u"User ID"_s, u"UID"_s},
        {u"Password"_s, u"PWD"_s},
        {u"Initial Catalog"_s, u"DATABASE"_s},
    };
    static const QStringList providerOnly = {u"Provider"_s, u"Persist Security Info"_s};

    QStringList out;
    for (const auto& [name, value] : parseConnectionString(providerConnectionString)) {
        if (providerOnly.contains(name, Qt::CaseInsensitive) || leftOut.contains(name, Qt::CaseInsensitive))
            continue;
        QString odbcName = name;
        for (const auto& [from, to] : renamed)
            if (name.compare(from, Qt::CaseInsensitive) == 0)
                odbcName = to;
        const QString pair = odbcName + u'=' + odbcValue(value);
        // The data source comes first: drivers read its settings where they
        // meet it, and the keys after it override them.
        if (odbcName == u"DSN")
            out.prepend(pair);
        else
            out.append(pair);
    }
    return out.join(u';');
}
