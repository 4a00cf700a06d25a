#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// A connection string of "Key=Value" pairs separated by ";", in its given order.
using ConnectionStringPairs = QList<QPair<QString, QString>>;

ConnectionStringPairs parseConnectionString(const QString& text);

// The value of a key, found without regard to letter case; empty when absent.
QString connectionStringValue(const ConnectionStringPairs& pairs, const QString& key);

// The ODBC form of a provider-style connection string: Data Source -> DSN,
// User ID -> UID, Password -> PWD, Initial Catalog -> DATABASE; the data
// source first, the other keys in their given order. Keys that only concern the
// provider (Provider, Persist Security Info) are dropped; any other key is
// passed on as it stands, unless it is one of leftOut.
QString odbcConnectionString(const QString& providerConnectionString, const QStringList& leftOut = {});

// An ODBC attribute value, braced when it holds a character that would end it.
QString odbcValue(const QString& value);
