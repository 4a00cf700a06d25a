#include "Connection.h"

#include "ConnectionString.h"
#include "DatabaseError.h"
#include "OdbcDataSources.h"
#include "OdbcSession.h"
#include "OdbcStatement.h"
#include "SqliteFetch.h"

#include <QAtomicInt>
#include <QSqlError>

using namespace Qt::StringLiterals;

namespace {

QString nextQtConnectionName()
{
    static QAtomicInt counter;
    return u"vorlak-connection-"_s + QString::number(counter.fetchAndAddRelaxed(1));
}

// Qt's ODBC driver puts "DSN=" in front of a connection string that names no
// driver or server, so a string that starts with the data source goes without
// that key.
QString qtOdbcDatabaseName(const QString& odbcConnectionString)
{
    const QString dsnKey = u"DSN="_s;
    if (odbcConnectionString.startsWith(dsnKey, Qt::CaseInsensitive))
        return odbcConnectionString.mid(dsnKey.size());
    return odbcConnectionString;
}

} // namespace

Connection::Connection(QObject* parent) : QObject(parent), qtConnectionName_(nextQtConnectionName()) {}

Connection::~Connection()
{
    close();
    if (QSqlDatabase::contains(qtConnectionName_))
        QSqlDatabase::removeDatabase(qtConnectionName_);
}

QString Connection::dataSourceConnectionString() const
{
    const QString dataSource =
        connectionStringValue(parseConnectionString(connectionString_), u"Data Source"_s);
    const std::optional<QString> driver = dataSource.isEmpty() ? std::nullopt : odbcDataSourceDriver(dataSource);
    if (!driver)
        return QString();
    // An SQLite data source names its database file itself: the catalogue
    // name would stand in for it as a file in the working folder.
    if (odbcDriverTakesFileName(*driver))
        return odbcConnectionString(connectionString_, {u"Initial Catalog"_s});
    return odbcConnectionString(connectionString_);
}

void Connection::open()
{
    if (connected())
        return;
    const QString dataSource = dataSourceConnectionString();
    if (dataSource.isEmpty())
        embedded_ = openSqliteReadOnly(embeddedDatabase_);
    else
        openDataSource(dataSource);
}

void Connection::openDataSource(const QString& odbcConnectionString)
{
    QSqlDatabase db = QSqlDatabase::contains(qtConnectionName_)
                          ? QSqlDatabase::database(qtConnectionName_, false)
                          : QSqlDatabase::addDatabase(u"QODBC"_s, qtConnectionName_);
    if (!db.isValid())
        throw DatabaseError(u"The ODBC database driver is not available"_s);
    db.setDatabaseName(qtOdbcDatabaseName(odbcConnectionString));
    if (!db.open()) {
        const QString message = withoutPassword(db.lastError().text());
        db.close();
        throw DatabaseError(message);
    }
    try {
        prepareOdbcSession(db);
        narrowTextIsUtf8_ = odbcNarrowTextIsUtf8(odbcConnectionHandle(db));
    } catch (const DatabaseError& error) {
        db.close();
        throw DatabaseError(withoutPassword(error.message()));
    }
}

void Connection::close()
{
    closeSqlite(std::exchange(embedded_, nullptr));
    if (QSqlDatabase::contains(qtConnectionName_))
        QSqlDatabase::database(qtConnectionName_, false).close();
}

bool Connection::connected() const
{
    return embedded_
           || (QSqlDatabase::contains(qtConnectionName_) && QSqlDatabase::database(qtConnectionName_, false).isOpen());
}

void Connection::run(const QString& statement, RowSink& rows)
{
    if (embedded_)
        return fetchSqliteRows(embedded_, statement, rows);
    const QSqlDatabase db = database();
    try {
        runOdbcStatement(odbcConnectionHandle(db), statement, rows, {true, narrowTextIsUtf8_});
    } catch (const DatabaseError&) {
        if (odbcConnectionDead(db))
            close();
        throw;
    }
}

QSqlDatabase Connection::database() const
{
    return QSqlDatabase::database(qtConnectionName_, false);
}

QString Connection::withoutPassword(QString message) const
{
    const ConnectionStringPairs pairs = parseConnectionString(connectionString_);
    for (const QString& key : {u"Password"_s, u"PWD"_s}) {
        const QString password = connectionStringValue(pairs, key);
        if (!password.isEmpty())
            message.replace(password, u"***"_s);
    }
    return message.trimmed();
}
