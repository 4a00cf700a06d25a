#include "Connection.h"

#include "ConnectionString.h"
#include "DatabaseError.h"
#include "OdbcDataSources.h"
#include "OdbcSession.h"
#include "SqliteFetch.h"

#include <QAtomicInt>
#include <QSqlError>

using namespace Qt::StringLiterals;

namespace {

QString NextQtConnectionName()
{
    static QAtomicInt counter;
    return u"vorlak-connection-"_s + QString::number(counter.fetchAndAddRelaxed(1));
}

// Qt's ODBC driver puts "DSN=" in front of a connection string that names no
// driver or server, so a string that starts with the data source goes without
// that key.
QString QtOdbcDatabaseName(const QString& odbcConnectionString)
{
    const QString dsnKey = u"DSN="_s;
    if (odbcConnectionString.startsWith(dsnKey, Qt::CaseInsensitive))
        return odbcConnectionString.mid(dsnKey.size());
    return odbcConnectionString;
}

} // namespace

Connection::Connection(QObject* parent) : QObject(parent), qtConnectionName_(NextQtConnectionName()) {}

Connection::~Connection()
{
    Close();
    if (QSqlDatabase::contains(qtConnectionName_))
        QSqlDatabase::removeDatabase(qtConnectionName_);
}

QString Connection::DataSourceConnectionString() const
{
    const QString dataSource =
        ConnectionStringValue(ParseConnectionString(connectionString_), u"Data Source"_s);
    const std::optional<QString> driver = dataSource.isEmpty() ? std::nullopt : OdbcDataSourceDriver(dataSource);
    if (!driver)
        return QString();
    // An SQLite data source names its database file itself: the catalogue
    // name would stand in for it as a file in the working folder.
    if (OdbcDriverTakesFileName(*driver))
        return OdbcConnectionString(connectionString_, {u"Initial Catalog"_s});
    return OdbcConnectionString(connectionString_);
}

void Connection::Open()
{
    if (Connected())
        return;
    const QString dataSource = DataSourceConnectionString();
    if (dataSource.isEmpty())
        embedded_ = OpenSqliteReadOnly(embeddedDatabase_);
    else
        OpenDataSource(dataSource);
}

void Connection::OpenDataSource(const QString& odbcConnectionString)
{
    QSqlDatabase db = QSqlDatabase::contains(qtConnectionName_)
                          ? QSqlDatabase::database(qtConnectionName_, false)
                          : QSqlDatabase::addDatabase(u"QODBC"_s, qtConnectionName_);
    if (!db.isValid())
        throw DatabaseError(u"The ODBC database driver is not available"_s);
    db.setDatabaseName(QtOdbcDatabaseName(odbcConnectionString));
    if (!db.open()) {
        const QString message = WithoutPassword(db.lastError().text());
        db.close();
        throw DatabaseError(message);
    }
    try {
        PrepareOdbcSession(db);
    } catch (const DatabaseError& error) {
        db.close();
        throw DatabaseError(WithoutPassword(error.Message()));
    }
}

void Connection::Close()
{
    CloseSqlite(std::exchange(embedded_, nullptr));
    if (QSqlDatabase::contains(qtConnectionName_))
        QSqlDatabase::database(qtConnectionName_, false).close();
}

bool Connection::Connected() const
{
    return embedded_
           || (QSqlDatabase::contains(qtConnectionName_) && QSqlDatabase::database(qtConnectionName_, false).isOpen());
}

QSqlDatabase Connection::Database() const
{
    return QSqlDatabase::database(qtConnectionName_, false);
}

QString Connection::WithoutPassword(QString message) const
{
    const ConnectionStringPairs pairs = ParseConnectionString(connectionString_);
    for (const QString& key : {u"Password"_s, u"PWD"_s}) {
        const QString password = ConnectionStringValue(pairs, key);
        if (!password.isEmpty())
            message.replace(password, u"***"_s);
    }
    return message.trimmed();
}
