#include "Connection.h"

#include "ConnectionString.h"
#include "DatabaseError.h"
#include "OdbcDataSources.h"
#include "OdbcSession.h"

#include <QAtomicInt>
#include <QSqlError>

namespace {

QString NextQtConnectionName()
{
    static QAtomicInt counter;
    return u"vorlak-connection-"_qs + QString::number(counter.fetchAndAddRelaxed(1));
}

// Qt's ODBC driver puts "DSN=" in front of a connection string that names no
// driver or server, so a string that starts with the data source goes without
// that key.
QString QtOdbcDatabaseName(const QString& odbcConnectionString)
{
    const QString dsnKey = u"DSN="_qs;
    if (odbcConnectionString.startsWith(dsnKey, Qt::CaseInsensitive))
        return odbcConnectionString.mid(dsnKey.size());
    return odbcConnectionString;
}

} // namespace

DbConnection::DbConnection(QObject* parent) : QObject(parent), qtConnectionName_(NextQtConnectionName()) {}

DbConnection::~DbConnection()
{
    Close();
    if (QSqlDatabase::contains(qtConnectionName_))
        QSqlDatabase::removeDatabase(qtConnectionName_);
}

QString DbConnection::EffectiveOdbcConnectionString() const
{
    const QString dataSource =
        ConnectionStringValue(ParseConnectionString(connectionString_), u"Data Source"_qs);
    if (!dataSource.isEmpty() && OdbcDataSourceDefined(dataSource))
        return OdbcConnectionString(connectionString_);
    return EmbeddedConnectionString(embeddedDatabase_);
}

void DbConnection::Open()
{
    if (Connected())
        return;
    QSqlDatabase db = QSqlDatabase::contains(qtConnectionName_)
                          ? QSqlDatabase::database(qtConnectionName_, false)
                          : QSqlDatabase::addDatabase(u"QODBC"_qs, qtConnectionName_);
    if (!db.isValid())
        throw EDatabaseError(u"The ODBC database driver is not available"_qs);
    db.setDatabaseName(QtOdbcDatabaseName(EffectiveOdbcConnectionString()));
    if (!db.open()) {
        const QString message = WithoutPassword(db.lastError().text());
        db.close();
        throw EDatabaseError(message);
    }
    if (!PrepareOdbcSession(db)) {
        const QString message = WithoutPassword(db.lastError().text());
        db.close();
        throw EDatabaseError(message);
    }
}

void DbConnection::Close()
{
    if (QSqlDatabase::contains(qtConnectionName_))
        QSqlDatabase::database(qtConnectionName_, false).close();
}

bool DbConnection::Connected() const
{
    return QSqlDatabase::contains(qtConnectionName_)
           && QSqlDatabase::database(qtConnectionName_, false).isOpen();
}

QSqlDatabase DbConnection::Database() const
{
    return QSqlDatabase::database(qtConnectionName_, false);
}

QString DbConnection::WithoutPassword(QString message) const
{
    const ConnectionStringPairs pairs = ParseConnectionString(connectionString_);
    for (const QString& key : {u"Password"_qs, u"PWD"_qs}) {
        const QString password = ConnectionStringValue(pairs, key);
        if (!password.isEmpty())
            message.replace(password, u"***"_qs);
    }
    return message.trimmed();
}
